// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/helpwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kHelpFileName = QStringLiteral("Vorlen.HLP");

// Shows the guide's pictures from their NAME@2x versions (screenshots taken
// at twice the size) where the screen has more than one device pixel per
// pixel, at the same size on the page.
class TGuideBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    QVariant loadResource(int type, const QUrl& name) override
    {
        if (type == QTextDocument::ImageResource && devicePixelRatioF() > 1.01) {
            const QUrl url = source().resolved(name);
            if (url.isLocalFile()) {
                const QFileInfo file(url.toLocalFile());
                const QString fine = file.path() + u'/' + file.completeBaseName() + u"@2x." + file.suffix();
                QImage picture;
                if (QFileInfo::exists(fine) && picture.load(fine)) {
                    picture.setDevicePixelRatio(2);
                    return picture;
                }
            }
        }
        return QTextBrowser::loadResource(type, name);
    }
};

} // namespace

QString HelpFilePath()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    // Installed: in the game's data folder; in the build tree: beside.
    const QStringList candidates{
        QDir::cleanPath(programDir.filePath(QStringLiteral(VORLEN_DATA_RELDIR "/") + kHelpFileName)),
        programDir.filePath(kHelpFileName),
    };
    for (const QString& candidate : std::as_const(candidates))
        if (QFileInfo(candidate).isFile())
            return candidate;
    return candidates.first();
}

THelpWindow::THelpWindow(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("fmVejledning"));
    setWindowTitle(QStringLiteral("Vejledning – Vorlen"));
    // Room for the guide's widest picture (660 px) beside the scroll bar.
    resize(720, 560);

    Browser = new TGuideBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenExternalLinks(true);

    bbIndhold = new QPushButton(QStringLiteral("&Indhold"), this);
    bbIndhold->setObjectName(QStringLiteral("bbIndhold"));
    bbTilbage = new QPushButton(QStringLiteral("&Tilbage"), this);
    bbTilbage->setObjectName(QStringLiteral("bbTilbage"));
    bbFrem = new QPushButton(QStringLiteral("&Frem"), this);
    bbFrem->setObjectName(QStringLiteral("bbFrem"));
    bbTilbage->setEnabled(false);
    bbFrem->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bbIndhold);
    buttons->addWidget(bbTilbage);
    buttons->addWidget(bbFrem);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(buttons);
    layout->addWidget(Browser);

    connect(bbIndhold, &QPushButton::clicked, this, [this] { OpenContents(FPath); });
    connect(bbTilbage, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(bbFrem, &QPushButton::clicked, Browser, &QTextBrowser::forward);
    connect(Browser, &QTextBrowser::backwardAvailable, bbTilbage, &QPushButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, bbFrem, &QPushButton::setEnabled);
}

void THelpWindow::OpenContents(const QString& path)
{
    FPath = path;
    if (!QFileInfo(path).isFile()) {
        Browser->clearHistory();
        FMissingShown = true;
        Browser->setHtml(QStringLiteral("<h2>Hjælpefilen %1 blev ikke fundet.</h2>"
                                        "<p>Vejledningen skal ligge i samme mappe som programmet Vorlen.</p>"
                                        "<p>Der ledte programmet: <tt>%2</tt></p>")
                             .arg(QFileInfo(path).fileName().toHtmlEscaped(), path.toHtmlEscaped()));
        return;
    }
    const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    // The file's name does not say HTML, so say it.
    if (Browser->source() != url)
        Browser->setSource(url, QTextDocument::HtmlResource);
    else if (FMissingShown)
        Browser->reload();
    FMissingShown = false;
    Browser->verticalScrollBar()->setValue(0);
    Browser->horizontalScrollBar()->setValue(0);
}

THelpWindow* ShowHelpContents(QWidget* owner)
{
    THelpWindow* window = owner ? owner->findChild<THelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    const bool fresh = !window;
    if (fresh) {
        window = new THelpWindow(owner);
        if (!owner)
            window->setAttribute(Qt::WA_DeleteOnClose);
        const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            const QRect area = screen->availableGeometry();
            window->move(area.x() + (area.width() - window->width()) / 2,
                         area.y() + (area.height() - window->height()) / 2);
        }
    }
    window->OpenContents(HelpFilePath());
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
