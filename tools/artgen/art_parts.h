// The parts the generator makes, one resource library (or the program's own resources) each.
#pragma once

#include <QString>

#include "bundle_writer.h"
#include "face_art.h"

namespace artgen {

struct Inputs {
  DeckFolders decks;
  QString flags;  // famfamfam-flag-png's 16 x 11 flags
};

// Design 0's faces and backs, the default background, the table pictures, button pieces,
// cursors, title and banners.
bool MakeOwnPart(BundleWriter& out, const Inputs& in);
bool MakeCardsA(BundleWriter& out, const Inputs& in);  // faces 1-31
bool MakeCardsB(BundleWriter& out, const Inputs& in);  // faces 32-39 and the backs
bool MakeCardsC(BundleWriter& out, const Inputs& in);  // faces 40-47
bool MakeBackgroundsPart(BundleWriter& out, const Inputs& in);
bool MakeGraphicsPart(BundleWriter& out, const Inputs& in);  // the purple design
bool MakeCalendarPart(BundleWriter& out, const Inputs& in);  // the main menu's calendar

// A sheet of every card of designs first..last, big and normal, for looking at the art.
bool PreviewFaces(const Inputs& in, int first, int last, const QString& png);
bool PreviewBacks(const Inputs& in, const QString& png);

}  // namespace artgen
