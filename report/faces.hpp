// Which face sets each character of the printed sheet: Chinese in 宋体 or 楷体, letters,
// digits and symbols in the Latin serif. Qt would take Chinese from whatever face the system
// falls back to, so the runs are given their faces here, in the sheet's text and in what
// QPainter draws (the diagram, the footer).
#pragma once

#include <QFont>
#include <QList>
#include <QPainter>
#include <QString>

namespace report {

// Han, CJK punctuation and symbols (㎡), full-width forms, and the curly quotes Chinese uses.
bool set_in_chinese(QChar c);

// A stretch of text one face sets.
struct Run {
    qsizetype start, length;
    bool chinese;
};
QList<Run> runs(const QString& text);

// A piece of a drawn label: some italic, some set lower and smaller as a subscript.
struct Piece {
    QString text;
    bool italic = false, subscript = false;
};
using Label = QList<Piece>;

// The two faces a label is drawn in, at one size.
struct LabelFonts {
    QFont latin, chinese;
};

double label_width(const QPainter& painter, const Label& label, const LabelFonts& fonts);

// Drawn from `left` with its baseline at `baseline`; returns where it ends.
double draw_label(QPainter& painter, const Label& label, const LabelFonts& fonts, double left,
                  double baseline);

}  // namespace report
