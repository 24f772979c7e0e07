#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace quillmark::hrl {

// Shows a clock's note as the tooltip of the surfaces it listens to, and gives screen readers the
// same note through the clock's name label. The note is put together only when one of them asks,
// never on a tick.
class ClockNoteTip final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClockNoteTip)

public:
    // Belongs to the clock's name label, which describes the clock to screen readers.
    ClockNoteTip(std::function<QString()> note, QWidget *nameLabel);
    ~ClockNoteTip() override;

    void listenTo(QWidget *surface);
    QString text() const { return note(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<QString()> note;
};

} // namespace quillmark::hrl
