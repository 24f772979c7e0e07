// The About box: its rows, links, Close button, and giving the owner back however it is closed.
// Run once in English and once in Arabic (HRL_EXPECT_RTL=1).
#include "AboutBoxDialog.h"
#include "AccessOther.h"
#include "BidiText.h"
#include "ColorRoles.h"
#include "Contrast.h"
#include "IconLabel.h"
#include "MessageBox.h"
#include "MyJButtonWithImage.h"
#include "OwnerLock.h"
#include "ScopedEnv.h"
#include "StdoutCapture.h"
#include "SystemProperties.h"
#include "SystemUtils.h"
#include "UiDefaults.h"
#include "ZoneInfo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLayout>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <unicode/uvernum.h>

#include <algorithm>

using namespace quillmark::utils;
using namespace Qt::StringLiterals;

namespace {

const bool ExpectRtl = qEnvironmentVariableIntValue("HRL_EXPECT_RTL") == 1;

std::unique_ptr<AboutBoxDialog> makeBox(QWidget *owner, const QString &settingsDirectory = QString())
{
    return std::make_unique<AboutBoxDialog>(owner, u"Horalia"_s, u"1.0.0.2"_s, u"2022/03/29"_s, u"2019-2022"_s,
                                            u"images/hrl.png"_s, settingsDirectory);
}

// The texts of the rows, top to bottom, as a reader sees them.
QStringList rows(const AboutBoxDialog &box)
{
    QStringList texts;
    for (int i = 0; i < box.layout()->count(); ++i) {
        if (const auto *label = qobject_cast<QLabel *>(box.layout()->itemAt(i)->widget()))
            texts << label->text().remove(QChar(0x200e));
    }
    return texts;
}

QLabel *rowStartingWith(const AboutBoxDialog &box, const QString &start)
{
    for (QLabel *label : box.findChildren<QLabel *>()) {
        if (BidiText::strip(label->text()).startsWith(BidiText::strip(start)))
            return label;
    }
    return nullptr;
}

} // namespace

class TestAboutBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        UiDefaults::reset();
        QApplication::setFont(QFont(), "QPushButton");
        SystemProperties::set(SystemUtils::HOSTNAME_PROPERTY, u"deskhost"_s);
        SystemProperties::set(SystemUtils::CANONICAL_HOSTNAME_PROPERTY, u"deskhost.lan.example"_s);
        SystemProperties::set(u"user.name"_s, u"<b>ana</b>"_s);
    }

    void rowsInOrder()
    {
        if (ExpectRtl)
            QSKIP("the English texts");
        QWidget owner;
        const auto box = makeBox(&owner);
        QCOMPARE(box->windowTitle(), u"About"_s);
        QVERIFY(!box->isModal());
        QVERIFY(!box->isVisible());
        const QStringList texts = rows(*box);
        QCOMPARE(texts.size(), 16); // no settings directory: no row for it
        QCOMPARE(texts.mid(0, 4), QStringList({u"Horalia"_s, u"Version: 1.0.0.2"_s, u"Released: 2022/03/29"_s,
                                               u"Copyright: 2019-2022"_s}));
        QCOMPARE(texts.at(4), u"Quillmark Inc."_s);
        QCOMPARE(texts.at(7), AboutBoxDialog::HOME_PAGE);
        QCOMPARE(texts.at(8), u"Support: "_s);
        QCOMPARE(texts.at(9), AboutBoxDialog::SUPPORT_EMAIL);
        QVERIFY(texts.at(10).startsWith(u"Runtime version Qt "_s));
        QCOMPARE(texts.at(11), u"by The Qt Company"_s);
        // Names are shown as they are, never as markup.
        QCOMPARE(texts.at(12), u"user.name=<b>ana</b>"_s);
        QCOMPARE(rowStartingWith(*box, u"user.name="_s)->textFormat(), Qt::PlainText);
        QCOMPARE(texts.at(13), u"user.home="_s + SystemProperties::get(u"user.home"_s));
        QCOMPARE(texts.at(14), u"Hostname=deskhost"_s);
        QCOMPARE(texts.at(15), u"Canonical Hostname=deskhost.lan.example"_s);

        QCOMPARE(rowStartingWith(*box, u"Horalia"_s)->font().bold(), true);
        QCOMPARE(rowStartingWith(*box, u"Version"_s)->font().bold(), true);
        QCOMPARE(rowStartingWith(*box, u"Released"_s)->font().bold(), false);
        QCOMPARE(rowStartingWith(*box, u"Released"_s)->font().pointSize(), 12);
        QCOMPARE(box->getProgramName(), u"Horalia"_s);
    }

    // The settings row, when there is one, closes the paragraph the host names would otherwise close.
    void settingsDirectoryRow()
    {
        QWidget owner;
        const auto without = makeBox(&owner);
        const auto with = makeBox(&owner, u"/home/ana/.config/Horalia"_s);
        QCOMPARE(rows(*with).size(), rows(*without).size() + 1);
        QVERIFY(BidiText::strip(rows(*with).last()).endsWith(u"=/home/ana/.config/Horalia"_s));
        for (AboutBoxDialog *box : {without.get(), with.get()})
            box->layout()->activate();

        const QLabel *canonicalWithout = rowStartingWith(*without, rows(*without).last());
        const QLabel *canonicalWith = rowStartingWith(*with, rows(*with).at(rows(*with).size() - 2));
        const QLabel *settings = rowStartingWith(*with, rows(*with).last());
        const int paragraph = without->getCloseButton()->geometry().top() - canonicalWithout->geometry().bottom();
        const int line = settings->geometry().top() - canonicalWith->geometry().bottom();
        QVERIFY2(line < paragraph, qPrintable(u"%1 vs %2"_s.arg(line).arg(paragraph)));
        QCOMPARE(with->getCloseButton()->geometry().top() - settings->geometry().bottom(), paragraph);
    }

    // Which rules the clocks follow: the running Qt, ICU and the tz release of the database read.
    void runtimeRow()
    {
        QTemporaryDir zi;
        QFile file(zi.filePath(u"tzdata.zi"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("# version 2031k\n# ddeps backzone\nZ Etc/UTC 0 - UTC\n");
        file.close();
        QTemporaryDir plain;
        QFile version(plain.filePath(u"+VERSION"_s));
        QVERIFY(version.open(QIODevice::WriteOnly));
        version.write("2030c\n");
        version.close();
        QTemporaryDir empty;

        const QByteArray savedTzDir = qgetenv("TZDIR");
        const auto rowWith = [](const QByteArray &tzdir) {
            const ScopedEnv scoped("TZDIR", tzdir);
            QWidget owner;
            const auto box = makeBox(&owner);
            return BidiText::strip(rows(*box).at(10));
        };
        const QString label = BidiText::strip(rows(*makeBox(nullptr)).at(10)).section(u" Qt "_s, 0, 0);
        const QString expected = u"Qt %1 \u00b7 ICU %2"_s.arg(QString::fromLatin1(qVersion()),
                                                              QStringLiteral(U_ICU_VERSION));
        QCOMPARE(rowWith(zi.path().toLocal8Bit()), label + u' ' + expected + u" \u00b7 tz 2031k"_s);
        QCOMPARE(rowWith(plain.path().toLocal8Bit()), label + u' ' + expected + u" \u00b7 tz 2030c"_s);
        QCOMPARE(rowWith(empty.path().toLocal8Bit()), label + u' ' + expected);

        if (!ExpectRtl)
            QCOMPARE(label, u"Runtime version"_s);
        QVERIFY(!label.contains(u"JVM"_s));
        QCOMPARE(ZoneInfo::directory(),
                 savedTzDir.isEmpty() ? u"/usr/share/zoneinfo"_s : QString::fromLocal8Bit(savedTzDir));
    }

    void linksOpenThroughTheDesktop()
    {
        QList<QUrl> opened;
        AccessOther::setDesktopService([&opened](const QUrl &url) {
            opened << url;
            return true;
        });
        QWidget owner;
        const auto box = makeBox(&owner);
        box->show();
        IconLabel *home = box->getHomePageLink();
        IconLabel *mail = box->getSupportLink();
        QCOMPARE(home->toolTip(), AboutBoxDialog::HOME_PAGE);
        QCOMPARE(mail->toolTip(), u"mailto:"_s + AboutBoxDialog::SUPPORT_EMAIL);
        QCOMPARE(home->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(mail->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!home->icon().isNull() && !mail->icon().isNull());

        QTest::mouseClick(home, Qt::RightButton);
        QVERIFY(opened.isEmpty());
        QTest::mouseClick(home, Qt::LeftButton);
        QTest::mouseClick(mail, Qt::LeftButton);
        AccessOther::setDesktopService({});
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened.at(0), QUrl(AboutBoxDialog::HOME_PAGE));
        QCOMPARE(opened.at(1).toString(QUrl::FullyEncoded),
                 u"mailto:"_s + AboutBoxDialog::SUPPORT_EMAIL + u"?subject=Question%20regarding%20Horalia"_s);
        QVERIFY(AboutBoxDialog::HOME_PAGE.startsWith(u"https://quillmark.example/"_s));
        QVERIFY(AboutBoxDialog::SUPPORT_EMAIL.endsWith(u"@quillmark.example"_s));

        // Neither the desktop nor the helper can open it: the user is given the address to copy.
        AccessOther::setDesktopService([](const QUrl &) { return false; });
        AccessOther::setProcessStarter([](const QString &, const QStringList &) { return false; });
        MessageBox::setNextAnswer(MessageBox::Ok);
        MessageBox::setNextAnswer(MessageBox::Ok);
        QTest::mouseClick(home, Qt::LeftButton);
        QTest::mouseClick(mail, Qt::LeftButton);
        AccessOther::setDesktopService({});
        AccessOther::setProcessStarter({});
        const QList<MessageBox::Record> boxes = MessageBox::takeRecords();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes.at(0).kind, MessageBox::Error);
        QVERIFY2(boxes.at(0).text.contains(AboutBoxDialog::HOME_PAGE), qPrintable(boxes.at(0).text));
        QVERIFY2(boxes.at(1).text.contains(AboutBoxDialog::SUPPORT_EMAIL), qPrintable(boxes.at(1).text));
        box->dialogCleanUp();
    }

    // Light links on the dark panels, and links that stay readable on the light one.
    void linkColours()
    {
        QWidget owner;
        const QColor light = UiDefaults::getColor(u"Panel.background"_s);
        const QColor lightLink = makeBox(&owner)->getHomePageLink()->palette().color(QPalette::WindowText);
        QVERIFY2(contrast(lightLink, light) >= 4.5, qPrintable(lightLink.name()));

        for (const QColor &dark : {ColorRoles::darkModeMenu(), ColorRoles::darkModeBackground()}) {
            UiDefaults::put(u"Panel.background"_s, dark);
            UiDefaults::put(u"Label.foreground"_s, ColorRoles::darkModeDialogText());
            const auto box = makeBox(&owner);
            QCOMPARE(box->getSupportLink()->palette().color(QPalette::WindowText), QColor(114, 176, 234));
            QCOMPARE(box->palette().color(QPalette::Window), dark);
            QCOMPARE(rowStartingWith(*box, u"user.name="_s)->palette().color(QPalette::WindowText),
                     ColorRoles::darkModeDialogText());
            box->dialogCleanUp();
        }
    }

    void closeButtonWidth()
    {
        QWidget owner;
        QFont small = QApplication::font();
        small.setPixelSize(6);
        QApplication::setFont(small, "QPushButton");
        const auto narrow = makeBox(&owner);
        QCOMPARE(narrow->getCloseButton()->getPreferredSize(), QSize(90, 25));

        QFont large = small;
        large.setPixelSize(30);
        QApplication::setFont(large, "QPushButton");
        const auto wide = makeBox(&owner);
        const int textWidth = QFontMetrics(large).horizontalAdvance(wide->getCloseButton()->text());
        QVERIFY(textWidth > 35);
        QCOMPARE(wide->getCloseButton()->getPreferredSize(), QSize(textWidth + 55, 25));
        QCOMPARE(wide->getCloseButton()->getActionCommand(), u"CloseCmd"_s);
        narrow->dialogCleanUp();
        wide->dialogCleanUp();
    }

    void ownerGivenBackHoweverClosed_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Close button") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("Escape") << 2;
    }

    void ownerGivenBackHoweverClosed()
    {
        QFETCH(int, how);
        QWidget owner;
        owner.setWindowFlag(Qt::WindowStaysOnTopHint);
        owner.show();
        StdoutCapture capture;
        const auto box = makeBox(&owner);
        QVERIFY(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        box->show();
        QVERIFY(!owner.isEnabled());
        QVERIFY(box->isEnabled());
        QVERIFY(box->getCloseButton()->isEnabled());
        QSignalSpy finished(box.get(), &QDialog::finished);
        if (how == 0)
            QTest::mouseClick(box->getCloseButton(), Qt::LeftButton);
        else if (how == 1)
            QVERIFY(box->close());
        else
            QTest::keyClick(box.get(), Qt::Key_Escape);
        QVERIFY(owner.isEnabled());
        QVERIFY(!box->isVisible());
        QCOMPARE(finished.size(), 1);
        const QStringList lines = capture.lines();
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.at(0).endsWith(u" AboutBoxDialog: <init>: "_s));
        QVERIFY(lines.at(1).endsWith(u" AboutBoxDialog: dialogCleanUp: "_s));
    }

    // A configuration dialog opened over the box: the owner comes back with the last of them.
    void ownerSharedWithAnotherDialog()
    {
        QWidget owner;
        owner.show();
        for (bool boxFirst : {true, false}) {
            const auto box = makeBox(&owner);
            box->show();
            QDialog dialog(&owner);
            OwnerLock::lock(&owner, &dialog);
            dialog.show();
            QCOMPARE(OwnerLock::holders(&owner), 2);
            if (boxFirst)
                box->close();
            else
                OwnerLock::unlock(&owner, &dialog);
            QVERIFY(!owner.isEnabled());
            if (boxFirst)
                OwnerLock::unlock(&owner, &dialog);
            else
                box->close();
            QVERIFY(owner.isEnabled());
            QCOMPARE(OwnerLock::holders(&owner), 0);
        }
    }

    void placedOnTheScreenWithFixedSize()
    {
        QWidget owner;
        owner.setGeometry(5, 5, 120, 200);
        owner.show();
        const auto box = makeBox(&owner);
        // Packed below the first 400 x 600, and kept whole on the screen although the owner
        // stands in a corner.
        QCOMPARE(box->minimumSize(), box->maximumSize());
        QVERIFY(box->height() < 600);
        const QRect screen = owner.screen()->availableGeometry();
        QVERIFY(screen.contains(box->geometry()));
        box->dialogCleanUp();
    }

    void orientationOfTheLocale()
    {
        QWidget owner;
        const auto box = makeBox(&owner);
        box->show();
        QCOMPARE(box->layoutDirection(), ExpectRtl ? Qt::RightToLeft : Qt::LeftToRight);
        // The icon stands on the leading side of the rows.
        const QWidget *icon = box->layout()->itemAt(0)->widget();
        const QLabel *name = rowStartingWith(*box, u"Horalia"_s);
        if (ExpectRtl)
            QVERIFY(icon->geometry().left() > name->geometry().right());
        else
            QVERIFY(icon->geometry().right() < name->geometry().left());
        if (ExpectRtl)
            QCOMPARE(box->windowTitle(), u"حول"_s);
        // A value joined to its label keeps its own order: isolated where the layout runs right to
        // left, the text unchanged elsewhere.
        const QStringList texts = rows(*box);
        for (const QString &value : {u"1.0.0.2"_s, u"2019-2022"_s, u"deskhost"_s, u"deskhost.lan.example"_s,
                                     u"<b>ana</b>"_s, u"The Qt Company"_s}) {
            const QString isolated = QChar(0x2068) + value + QChar(0x2069);
            const bool found = std::any_of(texts.begin(), texts.end(), [&](const QString &row) {
                return row.contains(ExpectRtl ? isolated : value) && (ExpectRtl || !row.contains(QChar(0x2068)));
            });
            QVERIFY2(found, qPrintable(value));
        }
        box->dialogCleanUp();
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
