#include "gui/CFairsyncDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <memory>

#include "app/MainWindowRules.h"
#include "browser/InformationBox.h"
#include "gui/CAboutDlg.h"
#include "gui/Pictures.h"
#include "gui/Translated.h"
#include "gui/WindowStyle.h"
#include "server/Firmware.h"
#include "shell/FrontEndTexts.h"
#include "util/TextDecoding.h"

namespace orvane::gui {
namespace {

constexpr int kSelectButton = 1002;
constexpr int kAreaButton = 1003;
constexpr int kExitButton = 1013;
constexpr int kContinentButtons = 5;

constexpr int kFirstLookMs = 300;
constexpr int kLookMs = 1000;

// The dark panel the window is drawn on, with the banner behind the toolbar.
class MainPanel : public QWidget {
public:
    explicit MainPanel(QWidget* parent) : QWidget(parent) { setFixedSize(kWindowSize); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), kPanelColour);
        DrawPicture(painter, "banner", QRectF(390, 6, 434, 87));
    }
};

const char* ToolbarPicture(int continent) {
    static constexpr const char* kNames[kContinentButtons] = {"toolbar-asia", "toolbar-america",
                                                              "toolbar-europe", "toolbar-others",
                                                              "toolbar-searched"};
    return kNames[continent];
}

QString Shown(const std::string& text) { return QString::fromStdString(DisplayText(text)); }

}  // namespace

CFairsyncDlg::CFairsyncDlg(Session& session, CoreWorker& worker, DeviceWatch& watch,
                           GuiShell& shell, Prompter& prompter)
    : session_(session),
      worker_(worker),
      watch_(watch),
      prompter_(prompter),
      model_(session.browser),
      pacer_(worker, session.transfer) {
    setWindowTitle(FromCore(kWindowCaption));
    QPixmap icon(64, 64);
    icon.fill(Qt::transparent);
    {
        QPainter painter(&icon);
        DrawPicture(painter, "app-icon", QRectF(0, 0, 64, 64));
    }
    setWindowIcon(icon);
    BuildPanel();
    Connect();
    connect(&shell, &GuiShell::statusShown, status_, &StatusPanel::ShowStatus);
    connect(&shell, &GuiShell::progressSet, status_, &StatusPanel::SetProgress);
    prompter_.SetParentWindow(this);
    qApp->installEventFilter(this);
    CatchUp();
}

CFairsyncDlg::~CFairsyncDlg() { qApp->removeEventFilter(this); }

void CFairsyncDlg::BuildPanel() {
    menus_ = new MenuBar(this);
    setMenuBar(menus_);
    auto* panel = new MainPanel(this);
    setCentralWidget(panel);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    header_ = new HeaderPanel(panel);
    header_->move(0, 6);
    devicePanel_ = new DevicePanel(panel);
    devicePanel_->move(8, 100);
    search_ = new SearchPanel(panel);
    search_->move(9, 342);
    tabs_ = new AreaTabs(panel);
    tabs_->move(FromDialogUnits(115, 66, 0, 0).topLeft());
    list_ = new CourseListPane(model_, panel);
    list_->setGeometry(FromDialogUnits(115, 102, 346, 221));
    status_ = new StatusPanel(panel);
    status_->move(0, 498);

    const auto add = [&](int id, CBitmapText::TextStyle style, QString normal, QString pressed,
                         QString focused, QPoint at) {
        auto* button = new CBitmapText(id, style, normal, pressed, focused, panel);
        button->move(at);
        buttons_.push_back(button);
        return button;
    };
    const QRect select = FromDialogUnits(5, 255, 103, 40);
    const QRect area = FromDialogUnits(5, 293, 103, 39);
    add(kSelectButton, CBitmapText::TextStyle::TwoLines, "text-button", "text-button", "", {})
        ->setGeometry(select);
    CBitmapText* areaButton =
        add(kAreaButton, CBitmapText::TextStyle::TwoLines, "text-button", "text-button", "", {});
    areaButton->setGeometry(area);
    areaButton->setCursor(Qt::PointingHandCursor);
    areaButton->setAttribute(Qt::WA_Hover);
    for (int continent = 0; continent < kContinentButtons; ++continent) {
        const QString picture = ToolbarPicture(continent);
        add(ToolbarButtonOf(continent), CBitmapText::TextStyle::Toolbar, picture,
            picture + "-pressed", picture + "-pressed",
            FromDialogUnits(227 + 48 * continent, 4, 0, 0).topLeft());
    }
    add(kExitButton, CBitmapText::TextStyle::Exit, "exit-button", "exit-button", "",
        FromDialogUnits(386, 332, 0, 0).topLeft());

    // Over the device picture, so it comes last.
    information_ = new InformationBox(panel);
    information_->move(9, 204);
}

CBitmapText& CFairsyncDlg::button(int controlId) {
    for (CBitmapText* button : buttons_) {
        if (button->controlId() == controlId) return *button;
    }
    throw std::out_of_range("no button " + std::to_string(controlId));
}

void CFairsyncDlg::Connect() {
    connect(menus_, &MenuBar::commandChosen, this, &CFairsyncDlg::RunCommand);
    connect(&worker_, &CoreWorker::started, this, [this] {
        model_.Freeze();
        EnableCommands();
    });
    connect(&worker_, &CoreWorker::finished, this, &CFairsyncDlg::CatchUp);
    connect(&worker_, &CoreWorker::failed, status_, &StatusPanel::ShowStatus);
    connect(&pacer_, &TransferPacer::ended, this, &CFairsyncDlg::EnableCommands);
    connect(search_, &SearchPanel::searchRequested, this, &CFairsyncDlg::Search);
    connect(tabs_, &AreaTabs::countryClicked, this,
            [this](int tab) { RunJob([tab](Session& s) { s.browser.SelectCountry(tab); }); });
    connect(tabs_, &AreaTabs::regionClicked, this,
            [this](int tab) { RunJob([tab](Session& s) { s.browser.SelectRegion(tab); }); });
    connect(tabs_, &AreaTabs::subAreaClicked, this,
            [this](int tab) { RunJob([tab](Session& s) { s.browser.SelectSubArea(tab); }); });
    connect(list_, &CourseListPane::headingClicked, this, [this](int column) {
        RunJob([column](Session& s) { s.browser.ColumnHeaderClicked(column); });
    });
    connect(&button(kSelectButton), &QAbstractButton::clicked, this,
            [this] { StartTransfer(TransferCommand::SelectButton); });
    connect(&button(kAreaButton), &QAbstractButton::clicked, this,
            [this] { StartTransfer(TransferCommand::AreaButton); });
    connect(&button(kExitButton), &QAbstractButton::clicked, this, &QWidget::close);
    for (int continent = 0; continent < kContinentButtons; ++continent) {
        connect(&button(ToolbarButtonOf(continent)), &QAbstractButton::clicked, this, [this, continent] {
            RunJob([continent](Session& s) { s.browser.SelectContinent(continent); });
        });
    }
    look_.setSingleShot(false);
    connect(&look_, &QTimer::timeout, this, &CFairsyncDlg::LookForDevice);
}

void CFairsyncDlg::StartLooking() { look_.start(kFirstLookMs); }

void CFairsyncDlg::LookForDevice() {
    look_.setInterval(kLookMs);
    // Behind whatever runs; never two looks waiting, never during a transfer.
    // The look itself leaves the window to the person; connecting a device
    // it found does not.
    if (worker_.working() || pacer_.running()) return;
    auto outcome = std::make_shared<DeviceWatch::Outcome>(DeviceWatch::Outcome::Waiting);
    worker_.Run([this, outcome](Session& s) { *outcome = watch_.Look(s); },
                [this, outcome] {
                    if (*outcome == DeviceWatch::Outcome::Found)
                        RunJob([this](Session& s) { watch_.Connect(s); });
                },
                CoreWorker::Kind::Background);
}

void CFairsyncDlg::RunJob(CoreWorker::Job job, std::function<void()> done) {
    worker_.Run(std::move(job), std::move(done));
}

void CFairsyncDlg::CatchUp() {
    const Browser& browser = session_.browser;
    const Language language = session_.ui.language();
    if (language != menus_->language() || menus_->actions().isEmpty()) ApplyLanguage(language);
    model_.CatchUp();
    if (browser.revisions().tabs != tabsSeen_) {
        tabsSeen_ = browser.revisions().tabs;
        tabs_->Mirror(browser, language);
        // The list gives the sub-area strip its room.
        QRect home = FromDialogUnits(115, 102, 346, 221);
        if (browser.subAreaTab.visible) home.setTop(home.top() + 28);
        list_->setGeometry(home);
    }
    header_->SetLines(Shown(browser.memoryLine), Shown(session_.device.DeviceVersionLine));
    devicePanel_->SetPicture(DevicePictureFor(session_.device.ModelCode));
    for (int continent = 0; continent < kContinentButtons; ++continent)
        button(ToolbarButtonOf(continent)).SetMarked(continent == browser.continentTab.selected);
    information_->SetText(QString::fromStdString(DisplayText(InformationText(browser, language))));
    prompter_.SetLanguage(language);
    EnableCommands();
    emit caughtUp();
}

void CFairsyncDlg::ApplyLanguage(Language language) {
    menus_->Build(language);
    for (CBitmapText* button : buttons_) button->ApplyTexts(language);
    search_->ApplyLanguage(language);
    list_->ApplyLanguage(language);
    status_->ApplyLanguage(language);
    devicePanel_->setAccessibleName(Translated(language, text::DevicePictureName));
    if (QAction* stop = menus_->action(WindowCommand::StopTransfer))
        stop->setShortcut(QKeySequence(Qt::Key_Escape));
}

void CFairsyncDlg::EnableCommands() {
    // During a transfer only Stop is open; during any other job nothing.
    for (const Menu& menu : MainMenus()) {
        for (const MenuItem& item : menu.items) {
            QAction* action = menus_->action(item.command);
            if (action == nullptr) continue;
            const bool stop = item.command == WindowCommand::StopTransfer;
            action->setEnabled(stop ? pacer_.running() : idle());
        }
    }
}

void CFairsyncDlg::StartTransfer(TransferCommand command) {
    auto started = std::make_shared<bool>(false);
    RunJob([command, started](Session& s) { *started = s.transfer.Start(command); },
           [this, started] {
               if (*started) pacer_.Begin();
               EnableCommands();
           });
}

void CFairsyncDlg::Search() {
    const std::string text = search_->text();
    RunJob([text](Session& s) { s.browser.SearchCourses(text); });
}

void CFairsyncDlg::RunCommand(WindowCommand command) {
    if (command == WindowCommand::StopTransfer) {
        pacer_.RequestStop();
        return;
    }
    // During a transfer only Stop is open. A command chosen while another
    // runs waits for it on the worker.
    if (pacer_.running()) return;
    const auto transfer = [this](TransferCommand which) { StartTransfer(which); };
    switch (command) {
        case WindowCommand::SearchCourses: Search(); break;
        case WindowCommand::FindInstrument:
            RunJob([this](Session& s) { watch_.PickByHand(s); });
            break;
        case WindowCommand::Exit: close(); break;
        case WindowCommand::DeleteSelectedMaps:
            RunJob([](Session& s) { s.transfer.DeleteSelectedMaps(); });
            break;
        case WindowCommand::SaveRecords:
        case WindowCommand::ViewRecords:
        case WindowCommand::RoundStatistics:
            if (openRecords_) openRecords_(command);
            break;
        case WindowCommand::KoreanTexts:
        case WindowCommand::EnglishTexts: {
            const Language language =
                command == WindowCommand::KoreanTexts ? Language::Korean : Language::English;
            RunJob([language](Session& s) {
                s.ui.SetLanguage(language);
                s.browser.RebuildBrowser();
            });
            break;
        }
        case WindowCommand::About: CAboutDlg(session_.ui.language(), this).exec(); break;
        case WindowCommand::DownloadKoreaNewAndModified:
            transfer(TransferCommand::KoreaNewAndModified);
            break;
        case WindowCommand::DownloadKoreaNew: transfer(TransferCommand::KoreaNew); break;
        case WindowCommand::DownloadKoreaModified: transfer(TransferCommand::KoreaModified); break;
        case WindowCommand::DownloadOthersNew: transfer(TransferCommand::OthersNew); break;
        case WindowCommand::DownloadOthersModified: transfer(TransferCommand::OthersModified); break;
        case WindowCommand::Firmware:
            RunJob([](Session& s) {
                OnFirmwareCommand(s.catalogueContext, s.server, s.transfer.Busy());
            });
            break;
        case WindowCommand::StopTransfer:
        case WindowCommand::None: break;
    }
}

void CFairsyncDlg::closeEvent(QCloseEvent* event) {
    if (exitConfirmed_) {
        event->accept();
        return;
    }
    event->ignore();
    // The question runs on the worker like every other; a transfer is
    // stopped before the window goes.
    if (worker_.busy()) return;
    auto confirmed = std::make_shared<bool>(false);
    RunJob([confirmed](Session& s) {
        *confirmed = ConfirmExit(s.ui);
        if (*confirmed) s.transfer.Stop();
    }, [this, confirmed] {
        if (!*confirmed) return;
        exitConfirmed_ = true;
        close();
    });
}

bool CFairsyncDlg::OwnsInput(QObject* watched) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget != nullptr && (widget == this || isAncestorOf(widget));
}

bool CFairsyncDlg::FiltersKey(QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Escape:
            // Never closes the window; stops a transfer.
            if (pacer_.running()) pacer_.RequestStop();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (idle() && !search_->edit()->text().isEmpty()) Search();
            return true;
        default: return !idle();
    }
}

bool CFairsyncDlg::eventFilter(QObject* watched, QEvent* event) {
    if (!OwnsInput(watched)) return false;
    switch (event->type()) {
        case QEvent::KeyPress: return FiltersKey(*static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease: return !idle();
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel: {
            if (worker_.busy()) return true;
            // During a transfer the menu bar stays open for Stop.
            auto* widget = static_cast<QWidget*>(watched);
            return pacer_.running() && !(widget == menus_ || menus_->isAncestorOf(widget));
        }
        case QEvent::Enter:
            if (watched == &button(kAreaButton)) information_->show();
            return false;
        case QEvent::Leave:
            if (watched == &button(kAreaButton)) information_->hide();
            return false;
        default: return false;
    }
}

}  // namespace orvane::gui
