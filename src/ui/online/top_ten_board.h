// The list area of the world top-ten window: up to ten rows (place, flag, face, nick, city,
// score), or "No Connect" in their place, the number of games, and the player's own entries;
// for the tournament the player's place with its medal.
// It paints on cream paper in the grey designs and straight on the picture in the purple one.
#pragma once

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

namespace quorvex {

struct BoardRow {
  QString place;     // "3."
  std::string flag;  // a country code; empty: no flag
  std::string face;  // "M" or "W"; empty: no face
  QString nick;
  QString city;
  QString score;  // right-aligned

  bool operator==(const BoardRow&) const = default;
};

struct BoardContent {
  QString title;  // drawn above the rows in the purple design
  std::vector<BoardRow> rows;
  QString note;             // in place of the rows
  QString count;            // "Number of games: 12", or the tournament's "Your place: 7"
  bool place_line = false;  // the count line is the player's place: drawn large
  int medal = 0;            // 1..10: the medal with this place beside the count line
  bool own_section = false;
  std::vector<BoardRow> own;  // at most five
  QString own_note;
};

class TopTenBoard : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRows = 10;
  static constexpr int kOwnRows = 5;

  TopTenBoard(bool purple, QWidget* parent);

  void SetContent(BoardContent content);
  const BoardContent& Content() const { return content_; }

  // A row as a player reads it: "1. Anna Riga 2300"; empty for a row not shown.
  QString RowText(int index) const;
  QString OwnText(int index) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int DrawRow(QPainter& p, const BoardRow& row, int y, int height, const QColor& colour) const;

  bool purple_;
  BoardContent content_;
};

}  // namespace quorvex
