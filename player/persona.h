#pragma once
// The persona's spoken comments: lines 1..12, each once in a cycle of twelve and
// never the same line twice in a row, at most one per reveal.
namespace kelo {

struct frmKeloTrundo15;

// Speaks one comment when the persona is marked ready, and clears the mark.
void cmdKelo_Click(frmKeloTrundo15& f);

}  // namespace kelo
