// The colours of two desktops a user may have: a light one, the Fusion style's own, and a dark
// one, as the desktops that follow a dark colour scheme give it. The tests and the screenshots
// look at every window under both.
#pragma once

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include <memory>

using namespace Qt::StringLiterals;

inline QPalette lightDesktopPalette()
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(u"Fusion"_s));
    return fusion->standardPalette();
}

// Light text on dark grey windows, buttons and text boxes, and a blue selection.
inline QPalette darkDesktopPalette()
{
    QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    dark.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    dark.setColor(QPalette::ToolTipBase, QColor(66, 66, 66));
    dark.setColor(QPalette::ToolTipText, QColor(240, 240, 240));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(100, 170, 240));
    return dark;
}
