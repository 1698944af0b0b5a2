#include "parallel_jobs.h"

#include <algorithm>

namespace kelo::datatree {

ParallelJobs::ParallelJobs(std::vector<std::function<void()>> jobs) : jobs_(std::move(jobs)) {
    const std::size_t threads = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 16);
    for (std::size_t i = 0; i < std::min(threads, jobs_.size()); ++i) {
        workers_.emplace_back([this] { work(); });
    }
}

ParallelJobs::~ParallelJobs() {
    for (std::thread& t : workers_) {
        if (t.joinable()) t.join();
    }
}

void ParallelJobs::work() {
    for (;;) {
        std::function<void()>* job = nullptr;
        {
            std::lock_guard lock(mutex_);
            if (next_ == jobs_.size() || failure_) return;
            job = &jobs_[next_++];
        }
        try {
            (*job)();
        } catch (...) {
            std::lock_guard lock(mutex_);
            if (!failure_) failure_ = std::current_exception();
        }
    }
}

void ParallelJobs::wait() {
    for (std::thread& t : workers_) {
        if (t.joinable()) t.join();
    }
    if (failure_) std::rethrow_exception(failure_);
}

}  // namespace kelo::datatree
