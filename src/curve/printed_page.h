// The page the curve window prints: a title and the time of printing, the person and the drinks
// as entered, the result in words, the curve at the page's width, and at the foot the caution
// that the estimate is approximate. With the evening's journal, the table of its glasses follows
// on further pages, as many as it needs, each numbered. Everything is painted as vectors and text at the printer's
// own resolution, so that the page is sharp at any size.
#pragma once

#include "page_facts.h"

#include <QDateTime>
#include <QRectF>

#include <functional>

class QPainter;

// Paints the pages into page, in the painter's device units; newPage starts the next one and
// returns false when it cannot. paintFigure paints the curve window's figure into the rectangle
// it is given, keeping its proportions: the page gives it the whole width and the height that
// follows from heightPerWidth.
void paintPages(QPainter &painter, const QRectF &page, const QDateTime &printedAt,
                const PageFacts &facts, double heightPerWidth,
                const std::function<void(QPainter &, const QRectF &)> &paintFigure,
                const std::function<bool()> &newPage);
