// The program's own pictures (the classic faces and backs, the default background and the table
// pictures), compiled in as a Qt binary resource bundle.
#pragma once

namespace quorvex {

// Where the own pictures appear in the resource tree: ":/own/<TYPE>/<NAME>".
inline constexpr char kOwnArtRoot[] = "/own";

// Registers the compiled-in bundle under kOwnArtRoot; later calls do nothing.
bool RegisterOwnArt();

}  // namespace quorvex
