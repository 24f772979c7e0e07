#include "AboutBoxDialog.h"

#include "AccessOther.h"
#include "Anchor.h"
#include "BidiText.h"
#include "ColorRoles.h"
#include "IconLabel.h"
#include "Logger.h"
#include "MessageBox.h"
#include "MigLayout.h"
#include "MyJButtonWithImage.h"
#include "OwnerLock.h"
#include "PaletteUtils.h"
#include "ResourceBundle.h"
#include "SystemProperties.h"
#include "SystemUtils.h"
#include "UiDefaults.h"
#include "WindowStacking.h"
#include "ZoneInfo.h"

#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <algorithm>

#include <unicode/uversion.h>

namespace quillmark::utils {

namespace {

const QString ClassName = QStringLiteral("AboutBoxDialog");
const QString SharedBundle = QStringLiteral("com.quillmark.utils.lang/Lang");

QFont rowFont(bool bold)
{
    QFont font(QStringLiteral("Helvetica"), 12);
    font.setBold(bold);
    return font;
}

// Links must stand out on whatever the panel is drawn in.
QColor linkColor()
{
    const QColor background = UiDefaults::getColor(UiDefaults::PANEL_BACKGROUND);
    if (background == ColorRoles::darkModeMenu() || background == ColorRoles::darkModeBackground()
        || (background.isValid() && background.lightnessF() < 0.5))
        return AboutBoxDialog::DARK_LINK_COLOR;
    return ColorRoles::lightModeLink();
}

} // namespace

const QString AboutBoxDialog::MAKER = QStringLiteral("Quillmark Inc.");
const QString AboutBoxDialog::ADDRESS_LINE_1 = QStringLiteral("100 Example Lane, Suite 1");
const QString AboutBoxDialog::ADDRESS_LINE_2 = QStringLiteral("Exampleton, EX 00000");
const QString AboutBoxDialog::HOME_PAGE = QStringLiteral("https://quillmark.example/");
const QString AboutBoxDialog::SUPPORT_EMAIL = QStringLiteral("support@quillmark.example");
const QColor AboutBoxDialog::DARK_LINK_COLOR = ColorRoles::darkModeLink();

AboutBoxDialog::AboutBoxDialog(QWidget *owner, const QString &programName, const QString &version,
                               const QString &releaseDate, const QString &copyrightYears, const QString &iconPath,
                               const QString &settingsDirectory)
    : QDialog(owner)
    , owner(owner)
    , programName(programName)
{
    setModal(false);
    // Its size is fixed: a title and a close box, nothing to maximise or minimise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    Logger::log(ClassName, QStringLiteral("<init>"), QString());
    texts = ResourceBundle::getBundle(SharedBundle, QLocale::system());
    setWindowTitle(texts.getString(QStringLiteral("menu.about")));

    PaletteUtils::setOpaqueColors(this, {{QPalette::Window, UiDefaults::getColor(UiDefaults::PANEL_BACKGROUND)},
                                         {QPalette::WindowText, UiDefaults::getColor(UiDefaults::LABEL_FOREGROUND)}});

    auto *layout = new MigLayout(QString(), QString(), QString(), this);
    layout->addWidget(createIconPanel(iconPath), QStringLiteral("spany 3"));

    const auto text = [this](const char *key) { return texts.getString(QString::fromLatin1(key)); };
    const QString wrap = QStringLiteral("skip, wrap");
    const QString wrapPara = QStringLiteral("skip, wrap para");
    addText(programName, true, QStringLiteral("wrap"));
    addText(text("dialog.version") + QStringLiteral(": ") + BidiText::isolate(version), true, QStringLiteral("wrap"));
    addText(text("dialog.released") + QStringLiteral(": ") + BidiText::isolate(releaseDate), false,
            QStringLiteral("wrap"));
    addText(text("dialog.copyright") + QStringLiteral(": ") + BidiText::isolate(copyrightYears), false, wrapPara);
    addText(MAKER, false, wrap);
    addText(ADDRESS_LINE_1, false, wrap);
    addText(ADDRESS_LINE_2, false, wrap);

    const QColor links = linkColor();
    homePageLink = addLink(HOME_PAGE, QStringLiteral("images/16/homepage.png"), HOME_PAGE, links, wrapPara);
    addText(text("dialog.support") + QStringLiteral(": "), true, wrap);
    supportLink = addLink(SUPPORT_EMAIL, QStringLiteral("images/16/email-go.png"),
                          QStringLiteral("mailto:") + SUPPORT_EMAIL, links, wrapPara);

    addText(text("sys.jvmversion") + u' ' + BidiText::isolate(runtimeVersion()), false, wrap);
    addText(text("dialog.by") + u' ' + BidiText::isolate(runtimeVendor()), false, wrapPara);
    addText(BidiText::isolate(QStringLiteral("user.name")) + u'='
                + BidiText::isolate(SystemProperties::get(QStringLiteral("user.name"))),
            false, wrap);
    addText(BidiText::isolate(QStringLiteral("user.home")) + u'='
                + BidiText::isolate(SystemProperties::get(QStringLiteral("user.home"))),
            false, wrap);
    addText(text("sys.hostname") + u'=' + BidiText::isolate(SystemProperties::get(SystemUtils::HOSTNAME_PROPERTY)),
            false, wrap);
    const bool withSettings = !settingsDirectory.isEmpty();
    addText(text("sys.canonicalhostname") + u'='
                + BidiText::isolate(SystemProperties::get(SystemUtils::CANONICAL_HOSTNAME_PROPERTY)),
            false, withSettings ? wrap : wrapPara);
    if (withSettings)
        addText(text("dialog.settingsdirectory") + u'=' + BidiText::isolate(settingsDirectory), false, wrapPara);

    const QString closeText = text("button.close");
    closeButton = new MyJButtonWithImage(
        closeText, [this](const ActionEvent &) { dialogCleanUp(); }, QStringLiteral("images/16/document-close-3.png"),
        QStringLiteral("CloseCmd"), true, MyJButtonWithImage::sizeFor({closeText}, 90), this);
    layout->addWidget(closeButton, QStringLiteral("span 2, align center, wrap"));

    resize(400, 600);
    WindowStacking::centreOver(this, owner);
    setLayoutDirection(QLocale::system().textDirection());
    // Packed to what the rows need; the corner placed above stays.
    adjustSize();
    setFixedSize(size());

    WindowStacking::keepAbove(this, owner);
    OwnerLock::lock(owner, this);
}

QString AboutBoxDialog::runtimeVersion()
{
    QString version = QStringLiteral("Qt ") + QString::fromLatin1(qVersion());
    UVersionInfo icu;
    u_getVersion(icu);
    char icuText[U_MAX_VERSION_STRING_LENGTH] = {};
    u_versionToString(icu, icuText);
    if (icuText[0] != '\0')
        version += QStringLiteral(" \u00b7 ICU ") + QString::fromLatin1(icuText);
    const QString tz = ZoneInfo::version();
    if (!tz.isEmpty())
        version += QStringLiteral(" \u00b7 tz ") + tz;
    return version;
}

QString AboutBoxDialog::runtimeVendor()
{
    return SystemProperties::get(QStringLiteral("runtime.vendor"), QStringLiteral("The Qt Company"));
}

QLabel *AboutBoxDialog::addText(const QString &text, bool bold, const QString &constraints)
{
    auto *label = new QLabel(text, this);
    // Host and user names are shown as they are, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    label->setFont(rowFont(bold));
    static_cast<MigLayout *>(layout())->addWidget(label, constraints);
    return label;
}

IconLabel *AboutBoxDialog::addLink(const QString &text, const QString &imagePath, const QString &toolTip,
                                   const QColor &color, const QString &constraints)
{
    // An address reads left to right in every language: marks keep its trailing "/" at its end
    // in a right-to-left window.
    auto *label = new IconLabel(QChar(0x200e) + text + QChar(0x200e), this);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    label->setFont(rowFont(false));
    label->setIcon(Anchor::icon(imagePath));
    PaletteUtils::setForeground(label, color);
    label->setToolTip(toolTip);
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
    static_cast<MigLayout *>(layout())->addWidget(label, constraints);
    return label;
}

QWidget *AboutBoxDialog::createIconPanel(const QString &iconPath)
{
    auto *panel = new QWidget(this);
    auto *panelLayout = new MigLayout(QStringLiteral("insets 0"), QString(), QString(), panel);
    auto *iconLabel = new QLabel(panel);
    const QIcon icon = Anchor::icon(iconPath);
    const QList<QSize> sizes = icon.availableSizes();
    iconLabel->setPixmap(icon.pixmap(sizes.isEmpty() ? QSize(32, 32) : sizes.constFirst()));
    iconLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    iconLabel->setMargin(5);
    panelLayout->addWidget(iconLabel);
    return panel;
}

void AboutBoxDialog::dialogCleanUp()
{
    Logger::log(ClassName, QStringLiteral("dialogCleanUp"), QString());
    OwnerLock::unlock(owner, this);
    done(QDialog::Rejected);
}

void AboutBoxDialog::reject()
{
    dialogCleanUp();
}

bool AboutBoxDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && (watched == homePageLink || watched == supportLink)) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const auto *link = static_cast<QWidget *>(watched);
        if (mouse->button() == Qt::LeftButton && link->rect().contains(mouse->position().toPoint())) {
            const bool home = watched == homePageLink;
            const bool opened = home ? AccessOther::openWebPage(HOME_PAGE)
                                     : AccessOther::createEmail(QStringLiteral("mailto:") + SUPPORT_EMAIL
                                                                + QStringLiteral("?subject=Question regarding ")
                                                                + getProgramName());
            // Without a browser or mail program the user still gets the address, to copy.
            if (!opened)
                MessageBox::error(
                    this,
                    texts.getString(QStringLiteral("popup.error.couldnotopenlink"), {home ? HOME_PAGE : SUPPORT_EMAIL}),
                    texts.getString(QStringLiteral("popup.error")));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quillmark::utils
