#include "PaletteUtils.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

using quillmark::utils::PaletteUtils;

class TestPaletteUtils : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A window held disabled by a dialog, or not active, still shows the colours.
    void coloursHoldInEveryGroup()
    {
        QLabel label;
        PaletteUtils::setTextAndBackground(&label, Qt::white, Qt::black);
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                QCOMPARE(label.palette().color(group, role), QColor(Qt::white));
            for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
                QCOMPARE(label.palette().color(group, role), QColor(Qt::black));
        }
        QVERIFY(!label.autoFillBackground());
    }

    // A colour that happens to be the inherited one is still set, so it stays when the parent's changes.
    void anInheritedColourIsStillMadeTheWidgetsOwn()
    {
        QWidget parent;
        auto *label = new QLabel(&parent);
        const QColor inherited = label->palette().color(QPalette::WindowText);
        PaletteUtils::setForeground(label, inherited);
        PaletteUtils::setForeground(&parent, Qt::magenta);
        QCOMPARE(label->palette().color(QPalette::WindowText), inherited);
    }

    void anOpaqueBackgroundIsFilled()
    {
        QLabel label;
        PaletteUtils::setBackground(&label, Qt::darkGray);
        QVERIFY(label.autoFillBackground());
        QCOMPARE(label.palette().color(QPalette::Disabled, QPalette::Window), QColor(Qt::darkGray));
    }
};

QTEST_MAIN(TestPaletteUtils)
#include "tst_paletteutils.moc"
