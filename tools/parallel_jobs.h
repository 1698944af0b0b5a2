#pragma once
// Independent jobs run on worker threads while the caller goes on with its own work.
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace kelo::datatree {

class ParallelJobs {
public:
    explicit ParallelJobs(std::vector<std::function<void()>> jobs);
    ~ParallelJobs();  // waits
    ParallelJobs(const ParallelJobs&) = delete;
    ParallelJobs& operator=(const ParallelJobs&) = delete;

    // Waits for every job; rethrows the first failure.
    void wait();

private:
    void work();

    std::vector<std::function<void()>> jobs_;
    std::size_t next_ = 0;
    std::exception_ptr failure_;
    std::mutex mutex_;
    std::vector<std::thread> workers_;
};

}  // namespace kelo::datatree
