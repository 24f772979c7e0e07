#pragma once

#include "MigConstraints.h"

#include <QLayout>
#include <QList>

#include <memory>

class QWidget;

namespace quillmark::utils {

// A grid layout driven by constraint strings ("insets 4", "[grow 100]", "span 2, wrap para").
// Insets are absolute (left stays left under right-to-left); everything else is mirrored.
class MigLayout final : public QLayout
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MigLayout)

public:
    explicit MigLayout(const QString &layoutConstraints = QString(), const QString &columnConstraints = QString(),
                       const QString &rowConstraints = QString(), QWidget *parent = nullptr);
    ~MigLayout() override;

    // Hides QLayout::addWidget on purpose: a widget comes with its cell constraints.
    void addWidget(QWidget *widget, const QString &constraints = QString());

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;
    Qt::Orientations expandingDirections() const override;
    void invalidate() override;

private:
    struct Entry
    {
        QLayoutItem *item = nullptr;
        MigConstraints::Component constraints;
    };
    struct Grid;

    // The grid for this pass. A pass holds on to it: laying out an item can invalidate this
    // layout (a list view showing its scroll bar does), which drops the cache mid-pass.
    std::shared_ptr<const Grid> grid() const;
    void buildGrid(Grid &g) const;

    MigConstraints::Layout layoutOptions;
    MigConstraints::Axis columnOptions;
    MigConstraints::Axis rowOptions;
    QList<Entry> entries;
    // Rebuilt lazily after invalidate(); setGeometry only places what it holds.
    mutable std::shared_ptr<const Grid> cache;
};

} // namespace quillmark::utils
