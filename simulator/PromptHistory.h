#pragma once

// The prompt's history, kept between sessions in the user's data folder: read when a session's
// first prompt comes up, written back (by a rename, never through a link) when it ends.
namespace prompt_history {

void load();
void save();

}  // namespace prompt_history
