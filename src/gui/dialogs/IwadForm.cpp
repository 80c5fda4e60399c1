#include "gui/dialogs/IwadForm.h"

#include "core/app/LauncherContext.h"
#include "core/iwads/IwadSearch.h"
#include "core/iwads/IwadStartupLoad.h"
#include "core/iwads/IwadType.h"
#include "core/platform/PathResolver.h"
#include "core/services/Dialogs.h"
#include "core/services/Processes.h"
#include "gui/dialogs/IwadWindowHost.h"
#include "gui/tooltips/ToolTips.h"
#include "gui/tooltips/ToolTipTable.h"
#include "gui/tooltips/ToolTipTexts.h"
#include "ui_IwadForm.h"

#include <QMouseEvent>

namespace z3d {

namespace {

const QString kNotIwadText = QStringLiteral("This does not appear to be a correct Doom Iwad.   ");
const QString kConfigurationErrorTitle = QStringLiteral("Configuration error");
const QString kConfigurationErrorText =
    QStringLiteral("The Iwad locations must be set for the Launcher to function.    \r\n"
                   "      Do you still wish to exit the Z3DLauncher setup?");
const QString kHelpFile = QStringLiteral("\\Z3D_Docs\\Help\\Iwad location.txt");

bool endsInWad(const QString& text)
{
    return text.endsWith(QStringLiteral(".wad"), Qt::CaseInsensitive);
}

} // namespace

IwadForm::IwadForm(LauncherContext& context, IwadWindowHost& host, QWidget* parent,
                   IwadEnvironment environment)
    : QDialog(parent), m_ui(std::make_unique<Ui::IwadForm>()), m_context(context), m_host(host),
      m_environment(std::move(environment))
{
    m_ui->setupUi(this);
    setModal(true);
    for (int i = 0; i < kLineCount; ++i)
        warningLabel(i)->installEventFilter(this);
    connect(m_ui->butSearch, &QPushButton::clicked, this, &IwadForm::search);
    connect(m_ui->butReset, &QPushButton::clicked, this, &IwadForm::reset);
    connect(m_ui->butAddIwad, &QPushButton::clicked, this, &IwadForm::addIwad);
    connect(m_ui->butOK, &QPushButton::clicked, this, &IwadForm::ok);
}

IwadForm::~IwadForm() = default;

QLabel* IwadForm::line(int index) const
{
    return findChild<QLabel*>(QStringLiteral("ShowIwads_%1").arg(index));
}

QLabel* IwadForm::warningLabel(int index) const
{
    return findChild<QLabel*>(QStringLiteral("lblWarning_%1").arg(index));
}

QString IwadForm::locationLine(int index) const
{
    const QLabel* label = index >= 0 && index < kLineCount ? line(index) : nullptr;
    return label ? label->text() : QString();
}

IwadLocationLines IwadForm::locationLines() const
{
    IwadLocationLines lines;
    for (int i = 0; i < kLineCount; ++i)
        lines[static_cast<std::size_t>(i)] = locationLine(i);
    return lines;
}

bool IwadForm::hasLocation() const
{
    return !locationLine(0).isEmpty();
}

void IwadForm::setLines(const IwadLocationLines& lines)
{
    for (int i = 0; i < kLineCount; ++i)
        line(i)->setText(lines[static_cast<std::size_t>(i)]);
}

void IwadForm::showStartupLocations(const IwadLoadResult& result)
{
    setLines(result.lines);
    if (result.noIwadRegistered) {
        for (int i = 0; i < kLineCount; ++i)
            line(i)->setVisible(false);
        m_ui->IwadsWarning->setVisible(true);
    }
}

void IwadForm::setToolTips()
{
    ToolTips& tips = ToolTips::of(*this);
    tips.useLauncherLook();
    ToolTipTable::apply(tips, *this, ToolTipTexts::iwadWindow(), true);
}

void IwadForm::killToolTips()
{
    ToolTipTable::apply(ToolTips::of(*this), *this, ToolTipTexts::iwadWindow(), false);
}

void IwadForm::activate()
{
    if (m_context.settings.disableTooltips)
        killToolTips();
    else
        setToolTips();
    disableAddWhenFull();
}

void IwadForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    activate();
}

bool IwadForm::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        activate();
    return QDialog::event(event);
}

bool IwadForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        auto* label = qobject_cast<QLabel*>(watched);
        for (int i = 0; label && i < kLineCount; ++i) {
            if (label == warningLabel(i) && mouse->button() == Qt::LeftButton &&
                label->rect().contains(mouse->position().toPoint())) {
                openHelpFile();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void IwadForm::disableAddWhenFull()
{
    if (!locationLine(kLineCount - 1).isEmpty())
        m_ui->butAddIwad->setEnabled(false);
}

void IwadForm::refillGamesWhenShown()
{
    if (m_host.showsCommercialGames())
        m_host.refillCommercialGames();
}

bool IwadForm::checkIwad(const QString& path)
{
    if (path.isEmpty())
        return false;
    const std::optional<IwadType> type = iwadTypeFromFileName(path);
    if (!type)
        return false;
    m_context.iwads.setPath(*type, path);
    return true;
}

void IwadForm::search()
{
    IwadRegistry& registry = m_context.iwads;
    registry.clearPaths();
    setLines({});
    m_ui->butAddIwad->setEnabled(true);
    deleteIwadsCfg(m_context.paths);
    registry.clearRegistrationOrder();
    searchIwads(registry, m_context.paths, m_environment);
    setLines(firstFourRegistered(registry));
    registry.clearRegistrationOrder();
    refillGamesWhenShown();
    if (hasLocation()) {
        // A start-up that found nothing hid the lines; what was found now is shown.
        for (int i = 0; i < kLineCount; ++i)
            line(i)->setVisible(true);
        m_ui->IwadsWarning->setVisible(false);
    } else {
        m_ui->IwadsWarning->setVisible(true);
    }
    disableAddWhenFull();
    m_ui->butSearch->setEnabled(false);
}

void IwadForm::reset()
{
    m_ui->IwadsWarning->setVisible(false);
    m_context.iwads.clearPaths();
    setLines({});
    m_ui->butAddIwad->setEnabled(true);
    deleteIwadsCfg(m_context.paths);
    if (m_host.showsCommercialGames())
        m_host.clearGameLists();
    m_ui->butSearch->setEnabled(true);
}

QString IwadForm::addDialogFolder() const
{
    if (!m_lastAddFolder.isEmpty())
        return m_lastAddFolder;
    const QString remembered = m_context.iwads.dialogFolder();
    if (PathResolver::folderExists(remembered))
        return PathResolver::resolve(remembered);
    return m_context.paths.installRoot;
}

void IwadForm::addIwad()
{
    OpenFileRequest request;
    request.title = QStringLiteral("Add an IWAD");
    request.initialFolder = addDialogFolder();
    request.filters = {QStringLiteral("WAD Files"), QStringLiteral("*.wad")};
    request.defaultExtension = QStringLiteral("wad");
    request.placement = DialogPlacement::Hooked;
    const std::optional<QString> chosen = m_context.dialogs->openFile(request);

    if (chosen && !chosen->isEmpty()) {
        m_lastAddFolder = PathResolver::parentFolder(*chosen);
        int free = 0;
        while (free < kLineCount && endsInWad(locationLine(free)))
            ++free;
        // Add Iwad is disabled while line 4 is filled, so a free line is there; should one
        // not be, no line is overwritten.
        if (free < kLineCount) {
            QLabel* target = line(free);
            target->setText(*chosen);
            m_ui->IwadsWarning->setVisible(false);
            if (!checkIwad(target->text())) {
                target->clear();
                m_context.dialogs->messageBox(kNotIwadText, MsgIconInformation, QString());
                return;
            }
            target->setVisible(true);
            m_ui->butSearch->setEnabled(false);
        }
    }
    disableAddWhenFull();
    refillGamesWhenShown();
    writeIwadsCfg(m_context.paths, locationLines());
}

void IwadForm::ok()
{
    if (hasLocation()) {
        m_host.recomputeLaunchMap();
        QDialog::done(QDialog::Accepted);
        m_host.showMainWindow();
        if (m_context.settings.lastDoomGame.isEmpty() && m_host.showsCommercialGames())
            m_host.selectFirstGame();
        return;
    }
    const int answer = m_context.dialogs->messageBox(
        kConfigurationErrorText, MsgIconQuestion + MsgButtonsYesNo, kConfigurationErrorTitle);
    if (answer != MsgYes)
        return;
    QDialog::done(QDialog::Rejected);
    m_host.exitLauncher();
}

void IwadForm::reject()
{
    ok();
}

void IwadForm::openHelpFile()
{
    const QString help = m_context.paths.under(kHelpFile);
    if (PathResolver::fileExists(help))
        m_context.processes->openWithAssociatedProgram(help);
}

} // namespace z3d
