#pragma once

#include "ActionListener.h"

#include <QComboBox>
#include <QSize>
#include <QStringList>

namespace quillmark::utils {

// A read-only combo box of texts with a preset selection and preferred size. Every change of
// the selection, by the user or by the program, reaches the listener with the command
// "comboBoxChanged"; the initial selection does not.
class MyJComboBox final : public QComboBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MyJComboBox)

public:
    static inline const QString ActionCommand = QStringLiteral("comboBoxChanged");

    MyJComboBox(const QStringList &items, const ActionListener &listener, QWidget *parent = nullptr);
    MyJComboBox(const QStringList &items, const ActionListener &listener, int selectedIndex, QWidget *parent = nullptr);
    MyJComboBox(const QStringList &items, const ActionListener &listener, int selectedIndex, const QSize &size,
                QWidget *parent = nullptr);
    MyJComboBox(const QStringList &items, const ActionListener &listener, int selectedIndex, bool enabled,
                QWidget *parent = nullptr);
    MyJComboBox(const QStringList &items, const ActionListener &listener, const QSize &size, QWidget *parent = nullptr);
    MyJComboBox(const QStringList &items, const ActionListener &listener, bool enabled, QWidget *parent = nullptr);

    // The size the layout is asked for; it never undercuts what the content needs (minimumSizeHint).
    void setPreferredSize(const QSize &size);
    QSize getPreferredSize() const { return preferredSize; }
    QSize sizeHint() const override;

    // Leaves the box showing its value but taking no mouse input: no popup, no wheel, no editing.
    static void setReadOnly(QComboBox *box);

    static constexpr QSize DEFAULT_SIZE{50, 25};

private:
    void init(const QStringList &items, const ActionListener &listener, int selectedIndex, bool enabled,
              const QSize &size);

    QSize preferredSize = DEFAULT_SIZE;
};

} // namespace quillmark::utils
