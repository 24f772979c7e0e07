#include "LayoutUtils.h"

#include "ColorRoles.h"
#include "Logger.h"
#include "MigLayout.h"
#include "PaletteUtils.h"

#include <QFrame>
#include <QLabel>

namespace quillmark::utils {

const QColor LayoutUtils::LABEL_COLOR = ColorRoles::separatorTitle();

namespace {

const QString TitleConstraint = QStringLiteral("gapbottom 1, span, split 2, aligny center");

void addRow(QWidget *panel, QWidget *title, const QString &separatorConstraint)
{
    auto *layout = qobject_cast<MigLayout *>(panel->layout());
    if (!layout) {
        Logger::log(QStringLiteral("LayoutUtils"), QStringLiteral("addSeparator"),
                    QStringLiteral("the panel is not laid out by MigLayout"));
        return;
    }
    auto *line = new QFrame(panel);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    // The rule shows even where the title is the widest thing in its column.
    line->setMinimumWidth(12);
    layout->addWidget(title, TitleConstraint);
    layout->addWidget(line, separatorConstraint);
}

} // namespace

void LayoutUtils::addSeparator(QWidget *panel, QWidget *component)
{
    PaletteUtils::setForeground(component, LABEL_COLOR);
    addRow(panel, component, QStringLiteral("gapleft rel, growx"));
}

void LayoutUtils::addSeparator(QWidget *panel, const QString &text)
{
    addSeparator(panel, text, LABEL_COLOR);
}

void LayoutUtils::addSeparator(QWidget *panel, const QString &text, const QColor &color)
{
    auto *label = new QLabel(text, panel);
    label->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    PaletteUtils::setForeground(label, color);
    addRow(panel, label, QStringLiteral("gapleft rel, growx"));
}

void LayoutUtils::addSeparatorRow(QWidget *panel, QWidget *component)
{
    addRow(panel, component, QStringLiteral("gapleft rel, growx, wrap 2"));
}

} // namespace quillmark::utils
