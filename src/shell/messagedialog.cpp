// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/messagedialog.h"
#include "shell/centrewindow.h"
#include "shell/glyphbutton.h"

#include "shell/helpwindow.h"
#include "shell/resources.h"
#include "model/draw_grid.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QUrl>

#include <algorithm>
#include <iterator>
#include <memory>
#include <vector>

namespace {

// Measures in pixels at 96 dots per inch; Qt's device-independent pixels
// already scale them to the screen.
constexpr int kButtonWidth = 77;
constexpr int kButtonHeight = 27;
constexpr int kButtonGap = 8;
constexpr int kMargin = 10;
constexpr int kGlyphSize = 16;
constexpr int kMinClientWidth = 150;
constexpr int kMinClientHeight = 55;

enum class TButtonKind { Yes, No, Ok, Cancel, Abort, Retry, Ignore, All, Help };

struct TButtonRow {
    const char16_t* Name;
    const char16_t* Caption;
    TButtonKind Kind;
    QStyle::StandardPixmap Glyph;
    // Used when the style has no picture of the kind (Fusion lacks several).
    QStyle::StandardPixmap FallbackGlyph;
    TModalResultCode Result; // rcNone: the button never closes the dialog
};

// In bit order: the order of creation, placement and tabbing.
const TButtonRow kButtonRows[] = {
    {u"YES", u"&Ja", TButtonKind::Yes, QStyle::SP_DialogYesButton, QStyle::SP_DialogApplyButton, rcYes},
    {u"NO", u"&Nej", TButtonKind::No, QStyle::SP_DialogNoButton, QStyle::SP_DialogCancelButton, rcNo},
    {u"OK", u"OK", TButtonKind::Ok, QStyle::SP_DialogOkButton, QStyle::SP_DialogApplyButton, rcOk},
    {u"CANCEL", u"&Annullér", TButtonKind::Cancel, QStyle::SP_DialogCancelButton, QStyle::SP_DialogCloseButton,
     rcCancel},
    {u"ABORT", u"&Fortryd", TButtonKind::Abort, QStyle::SP_DialogAbortButton, QStyle::SP_DialogCancelButton,
     rcAbort},
    {u"RETRY", u"&Gentag", TButtonKind::Retry, QStyle::SP_DialogRetryButton, QStyle::SP_BrowserReload, rcRetry},
    {u"IGNORE", u"&Ignorér", TButtonKind::Ignore, QStyle::SP_DialogIgnoreButton, QStyle::SP_MediaSkipForward,
     rcIgnore},
    {u"ALL", u"A&lle", TButtonKind::All, QStyle::SP_DialogYesToAllButton, QStyle::SP_DialogApplyButton, rcAll},
    {u"NOTOALL", u"&Nej", TButtonKind::No, QStyle::SP_DialogNoButton, QStyle::SP_DialogCancelButton, rcNo},
    {u"YESTOALL", u"&Ja", TButtonKind::Yes, QStyle::SP_DialogYesButton, QStyle::SP_DialogApplyButton, rcYes},
    // The style's own help picture is not a question mark; the title bar's is.
    {u"HELP", u"&Hjælp", TButtonKind::Help, QStyle::SP_TitleBarContextHelpButton, QStyle::SP_MessageBoxQuestion,
     rcNone},
};

// The style's message icons come at 32 x 32 pixels only; on a finer grid the
// dialog shows drawings of its own at that grid (none at 1x).
QPixmap HiResIcon(TMessageKind kind, int grid)
{
    if (grid <= 1)
        return QPixmap();
    const char* name = kind == mkWarning       ? "dlgWarning"
                       : kind == mkError       ? "dlgError"
                       : kind == mkInformation ? "dlgInformation"
                                               : "dlgQuestion";
    QImage picture = LoadPicture(QLatin1String(name) + u'@' + QString::number(grid) + u'x');
    picture.setDevicePixelRatio(grid);
    return QPixmap::fromImage(picture);
}

QStyle::StandardPixmap IconOf(TMessageKind kind, bool* hasIcon)
{
    *hasIcon = true;
    switch (kind) {
    case mkWarning:
        return QStyle::SP_MessageBoxWarning;
    case mkError:
        return QStyle::SP_MessageBoxCritical;
    case mkInformation:
        return QStyle::SP_MessageBoxInformation;
    case mkConfirmation:
        return QStyle::SP_MessageBoxQuestion;
    case mkCustom:
        break;
    }
    *hasIcon = false;
    return QStyle::SP_MessageBoxInformation;
}

QString CaptionOf(TMessageKind kind)
{
    switch (kind) {
    case mkWarning:
        return QStringLiteral("Advarsel");
    case mkError:
        return QStringLiteral("Fejl");
    case mkInformation:
        return QStringLiteral("Information");
    case mkConfirmation:
        return QString();
    case mkCustom:
        break;
    }
    return QCoreApplication::applicationFilePath();
}

void OpenHelpAt(std::int32_t context)
{
    // The system's viewer, not the program's help window: that one would not
    // take input while this modal dialog is up. The context becomes the
    // fragment of the address.
    QUrl url = QUrl::fromLocalFile(HelpFilePath());
    url.setFragment(QString::number(context));
    QDesktopServices::openUrl(url);
}

// A word-wrapping label that draws "&" as an underlined letter, as the text
// was measured; QLabel only does that when it has a buddy.
class TMessageLabel final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic,
                         text());
    }
};

class TMessageForm final : public QDialog {
public:
    TMessageForm()
        : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                               | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    {
    }

    std::int32_t FHelpContext = 0;
    QPushButton* FCancelButton = nullptr;

    // The title bar's close button, and Esc when no button answers it.
    void reject() override { done(rcCancel); }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Cancel)) {
            if (FCancelButton)
                FCancelButton->click();
            else
                reject();
            return;
        }
        QDialog::keyPressEvent(event);
    }
};

bool IsCancelButton(const TButtonRow& row, std::uint16_t bit, TMessageButtons buttons)
{
    // With "CANCEL" present, "NO" leaves Esc to it; "OK" without "CANCEL"
    // takes Esc itself.
    if (bit == mbNo && (buttons & mbCancel))
        return false;
    if (bit == mbOK && !(buttons & mbCancel))
        return true;
    return row.Kind == TButtonKind::No || row.Kind == TButtonKind::Cancel;
}

QRect ScreenRect()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 640, 480);
}

} // namespace

QDialog* CreateMessageForm(const QString& text, TMessageKind kind, TMessageButtons buttons)
{
    auto form = std::make_unique<TMessageForm>();
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    form->setFont(font);

    const QRect screen = ScreenRect();
    const QRect textBounds = form->fontMetrics().boundingRect(
        QRect(0, 0, screen.width() / 2, 0),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic, text);
    const int textWidth = textBounds.width();
    const int textHeight = textBounds.height();

    auto* label = new TMessageLabel(text, form.get());
    label->setObjectName(QStringLiteral("Message"));
    label->setWordWrap(true);
    label->setGeometry(0, 0, textWidth, textHeight);

    QLabel* image = nullptr;
    QSize iconSize;
    bool hasIcon = false;
    const QStyle::StandardPixmap iconKind = IconOf(kind, &hasIcon);
    if (hasIcon) {
        const int extent = form->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, form.get());
        QPixmap pixmap = HiResIcon(kind, DeviceGrid(form->devicePixelRatio()));
        if (pixmap.isNull())
            pixmap = form->style()->standardIcon(iconKind, nullptr, form.get()).pixmap(QSize(extent, extent));
        if (!pixmap.isNull()) {
            iconSize = pixmap.deviceIndependentSize().toSize();
            image = new QLabel(form.get());
            image->setObjectName(QStringLiteral("Image"));
            image->setPixmap(pixmap);
            image->setScaledContents(pixmap.devicePixelRatio() > 1); // smooth at a fractional ratio
            image->setGeometry(kMargin, 0, iconSize.width(), iconSize.height());
        }
    }

    int contentWidth = textWidth + 2 * kMargin;
    int contentHeight = textHeight + kMargin;
    if (image) {
        contentWidth += iconSize.width() + kMargin;
        contentHeight = std::max(iconSize.height() + kMargin, textHeight + kMargin);
    }

    std::vector<QPushButton*> created;
    QPushButton* defaultButton = nullptr;
    for (std::uint16_t index = 0; index < std::size(kButtonRows); ++index) {
        const std::uint16_t bit = static_cast<std::uint16_t>(1u << index);
        if (!(buttons & bit))
            continue;
        const TButtonRow& row = kButtonRows[index];
        auto* button = new TGlyphButton(QStringView(row.Caption).toString(), form.get());
        button->setObjectName(QStringView(row.Name).toString());
        QIcon glyph = form->style()->standardIcon(row.Glyph, nullptr, button);
        if (glyph.isNull())
            glyph = form->style()->standardIcon(row.FallbackGlyph, nullptr, button);
        button->setIcon(glyph);
        button->setIconSize(QSize(kGlyphSize, kGlyphSize));
        button->resize(kButtonWidth, kButtonHeight);
        button->setAutoDefault(true);
        if (!defaultButton && (row.Kind == TButtonKind::Yes || row.Kind == TButtonKind::Ok))
            defaultButton = button;
        if (!form->FCancelButton && IsCancelButton(row, bit, buttons))
            form->FCancelButton = button;
        if (row.Result != rcNone) {
            const TModalResultCode result = row.Result;
            TMessageForm* owner = form.get();
            QObject::connect(button, &QPushButton::clicked, owner, [owner, result] { owner->done(result); });
        } else {
            TMessageForm* owner = form.get();
            QObject::connect(button, &QPushButton::clicked, owner, [owner] {
                if (owner->FHelpContext != 0)
                    OpenHelpAt(owner->FHelpContext);
            });
        }
        created.push_back(button);
    }
    if (defaultButton)
        defaultButton->setDefault(true);

    const int count = static_cast<int>(created.size());
    const int rowWidth = count * kButtonWidth + (count - 1) * kButtonGap + 30;
    const int rowHeight = kButtonHeight + 18;
    const int clientWidth = std::max({kMinClientWidth, contentWidth, rowWidth});
    const int clientHeight = std::max(kMinClientHeight, contentHeight + rowHeight);
    form->setFixedSize(clientWidth, clientHeight);

    int contentBottom;
    if (image && iconSize.height() > textHeight) {
        image->move(image->x(), kMargin);
        label->move(label->x(), kMargin + iconSize.height() / 2 - textHeight / 2);
        contentBottom = image->y() + image->height();
    } else {
        label->move(label->x(), kMargin);
        if (image)
            image->move(image->x(), kMargin + textHeight / 2 - iconSize.height() / 2);
        contentBottom = label->y() + label->height();
    }
    label->move(image ? image->x() + iconSize.width() + kMargin : kMargin, label->y());

    int x = clientWidth / 2 - rowWidth / 2 + 15;
    for (QPushButton* button : created) {
        button->move(x, contentBottom + kMargin);
        x += kButtonWidth + kButtonGap;
    }

    form->setWindowTitle(CaptionOf(kind));
    KeepCentredByOuterSize(*form);
    if (!created.empty())
        created.front()->setFocus(Qt::OtherFocusReason);
    return form.release();
}

TModalResultCode ShowMessageDialog(const QString& text, TMessageKind kind, TMessageButtons buttons,
                                   std::int32_t helpContext)
{
    std::unique_ptr<QDialog> form(CreateMessageForm(text, kind, buttons));
    static_cast<TMessageForm*>(form.get())->FHelpContext = helpContext;
    form->setWindowTitle(CaptionOf(kind));
    // Bold only for measuring: the text shown in the regular weight fits the
    // room measured for it.
    QFont font = form->font();
    font.setBold(false);
    form->setFont(font);
    const int result = form->exec();
    switch (result) {
    case rcOk:
    case rcCancel:
    case rcAbort:
    case rcRetry:
    case rcIgnore:
    case rcYes:
    case rcNo:
    case rcAll:
        return static_cast<TModalResultCode>(result);
    default:
        // Closed without an answer, e.g. the application is quitting.
        return rcNone;
    }
}

bool AskYesNo(const QString& question)
{
    return ShowMessageDialog(question, mkConfirmation, mbYes | mbNo, 0) == rcYes;
}

void ShowError(const QString& text)
{
    ShowMessageDialog(text, mkError, mbOK, 0);
}
