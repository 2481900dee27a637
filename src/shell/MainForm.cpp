// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainForm.h"

#include "EKButton.h"
#include "frmAbout.h"
#include "frmAlarmList.h"
#include "frmFindNotes.h"
#include "frmHelp.h"
#include "frmMemoboardData.h"
#include "frmMessage.h"
#include "frmNote.h"
#include "frmTrashList.h"
#include "frmUntil.h"
#include "untClock.h"
#include "untDatabaseError.h"
#include "untDateTime.h"
#include "untErrorBoundary.h"
#include "untMainHotKeys.h"
#include "untMainMenuStyle.h"
#include "untMemoboardDB.h"
#include "untMenuModel.h"
#include "untParam.h"
#include "untReminderScheduler.h"
#include "untSkin.h"
#include "untSkinImage.h"
#include "untStayOnTop.h"
#include "untTaskbarSkip.h"
#include "untTruePlace.h"
#include "untWebPages.h"
#include "untWindowDrag.h"
#include "untWindowShape.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>

namespace {

// A tray icon from a skin picture, sharp at the usual device-pixel ratios.
QIcon TrayIcon(const QString& name) {
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0})
        icon.addPixmap(SkinPixmap(name, ratio));
    return icon;
}

void StoreSetting(BoolSetting setting, bool value) {
    WriteBoolSetting(QString::fromLatin1(setting.key), value);
}

} // namespace

TfmMainForm::TfmMainForm(TfmMessage& message, TfmAbout& about)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), FMessage(message), FAbout(about),
      FImgMain(new TSkinImage(this)), FEkbtnAddNew(new TEKButton(this)),
      FEkbtnShowMenu(new TEKButton(this)), FImgReminder(new TEKButton(this)),
      FMFtray(new QSystemTrayIcon(this)), FTrayicnReminder(new QSystemTrayIcon(this)),
      FPmenuMain(new QMenu(this)), FCascade(ScreenGeometry().size()) {
    setObjectName(QStringLiteral("fmMainForm"));
    setWindowTitle(QStringLiteral("Velmar Notes"));
    KeepOffTaskbar(*this);
    KeepTruePlace(*this);
    setFixedSize(FormWidth, FormHeight);
    // Rounded on a rectangle one pixel wider and taller than the window, then cut to it.
    setMask(RoundedRegion(QSize(FormWidth + 1, FormHeight + 1), 7) & QRegion(rect()));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSize(8);
    setFont(tahoma);

    CreateControls();
    CreateActions();
    CreateMenu();
    CreateTrayIcons();
    FHotKeys = new TMainHotKeys(*this, [this] { GuardedNewNote(DefaultKind); });
    FHotKeys->RegisterHotKeys();
    TfmMemoboardData::Instance().SetMessageBox(&FMessage);
    connect(&TfmMemoboardData::Instance(), &TfmMemoboardData::HelpRequested, this, &ShowHelp);
}

TfmMainForm::~TfmMainForm() {
    // The list windows have no parent (each keeps its own taskbar button): freed here if open.
    delete FFindForm;
    delete FReminderListForm;
    delete FTrashListForm;
}

void TfmMainForm::CreateControls() {
    FImgMain->setObjectName(QStringLiteral("imgMain"));
    FImgMain->LoadPicture(QStringLiteral("mnote"));
    FImgMain->setGeometry(rect());
    FImgMain->setCursor(Qt::SizeAllCursor);
    new WindowDragHelper(FImgMain, this);

    FEkbtnAddNew->setObjectName(QStringLiteral("ekbtnAddNew"));
    FEkbtnAddNew->setGeometry(17, 5, 42, 43);
    FEkbtnAddNew->setToolTip(QStringLiteral("Add Note"));
    FEkbtnAddNew->SetPictures(QStringLiteral("mf_addnote"), QStringLiteral("mf_addnote_"), {});
    connect(FEkbtnAddNew, &TEKButton::OnClick, this, [this] { GuardedNewNote(DefaultNoteKind()); });

    FEkbtnShowMenu->setObjectName(QStringLiteral("ekbtnShowMenu"));
    FEkbtnShowMenu->setGeometry(63, 7, 20, 27);
    FEkbtnShowMenu->setToolTip(QStringLiteral("Show Menu"));
    FEkbtnShowMenu->SetPictures(QStringLiteral("mf_menu"), QStringLiteral("mf_menu_"), {});
    connect(FEkbtnShowMenu, &TEKButton::OnClick, this, &TfmMainForm::ekbtnShowMenuClick);

    // The reminder indicator: hidden until the scheduler signals a due reminder.
    FImgReminder->setObjectName(QStringLiteral("imgReminder"));
    FImgReminder->SetPictures(QStringLiteral("n_alarm_timeto"), QStringLiteral("n_alarm_timeto"),
                              {});
    connect(FImgReminder, &TEKButton::OnClick, this, &TfmMainForm::ReminderIndicatorClick);
    FImgReminder->setGeometry(61, 37, 20, 24);
    FImgReminder->setCursor(Qt::PointingHandCursor);
    FImgReminder->setToolTip(QStringLiteral("Show Reminder List"));
    FImgReminder->hide();
}

void TfmMainForm::CreateTrayIcons() {
    FMFtray->setObjectName(QStringLiteral("MFtray"));
    FMFtray->setIcon(TrayIcon(QStringLiteral("tray_main")));
    FMFtray->setToolTip(QStringLiteral("Left click for new note -- right click for tools"));
    FMFtray->setContextMenu(FPmenuMain);
    connect(FMFtray, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    GuardedNewNote(DefaultNoteKind());
            });

    FTrayicnReminder->setObjectName(QStringLiteral("trayicnReminder"));
    FTrayicnReminder->setIcon(TrayIcon(QStringLiteral("tray_reminder")));
    FTrayicnReminder->setToolTip(QStringLiteral("Show Reminder List"));
    connect(FTrayicnReminder, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    ReminderIndicatorClick();
            });
}

QAction* TfmMainForm::NewAction(const char* name, const QString& caption) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void TfmMainForm::CreateActions() {
    connect(NewAction("acAddDTNote", QStringLiteral("Date/Time Note")), &QAction::triggered, this,
            [this] { GuardedNewNote(DateTimeKind); });
    connect(NewAction("acAddOnTheTop", QStringLiteral("Always On Top Note")), &QAction::triggered,
            this, [this] { GuardedNewNote(OnTopKind); });
    connect(NewAction("acAddRadomColorNote", QStringLiteral("Random Colors Note")),
            &QAction::triggered, this, [this] { GuardedNewNote(RandomColorKind); });

    FAcAlwaysOnTop = NewAction("acAlwaysOnTop", QStringLiteral("Always On Top"));
    FAcShowAllNotes = NewAction("acShowAllNotes", QStringLiteral("Show All Desktop Notes"));
    FAcHideAllNotes = NewAction("acHideAllNotes", QStringLiteral("Hide All Desktop Notes"));
    for (QAction* ticked : {FAcAlwaysOnTop, FAcShowAllNotes, FAcHideAllNotes})
        ticked->setCheckable(true);
    connect(FAcAlwaysOnTop, &QAction::triggered, this, &TfmMainForm::acAlwaysOnTopExecute);
    connect(FAcShowAllNotes, &QAction::triggered, this, &TfmMainForm::acShowAllNotesExecute);
    connect(FAcHideAllNotes, &QAction::triggered, this, &TfmMainForm::acHideAllNotesExecute);

    FAcHideMain = NewAction("acHideMain", QStringLiteral("Hidden Notepad"));
    FAcHideMain->setVisible(false);
    connect(FAcHideMain, &QAction::triggered, this, &TfmMainForm::acHideMainExecute);

    connect(NewAction("acHelp", QStringLiteral("Velmar Notes Help")), &QAction::triggered, this,
            &TfmMainForm::acHelpExecute);
    connect(NewAction("acAbout", QStringLiteral("About...")), &QAction::triggered, this,
            &TfmMainForm::acAboutExecute);
    connect(NewAction("acExit", QStringLiteral("Exit")), &QAction::triggered, this,
            &TfmMainForm::acExitExecute);

    for (const TWebEntry& entry : WebEntries())
        connect(NewAction(entry.ActionName, entry.Caption), &QAction::triggered, this,
                [&entry] { OpenWebEntry(entry); });
    connect(NewAction("acSettings", QStringLiteral("Settings")), &QAction::triggered, this,
            &TfmMainForm::SettingsRequested);
    connect(NewAction("itemHotKeysSettings", QStringLiteral("Hot Keys Settings")),
            &QAction::triggered, this, &TfmMainForm::HotKeysSettingsRequested);
    connect(NewAction("itemShowWelcome", QStringLiteral("Show Welcome Window")),
            &QAction::triggered, this, &TfmMainForm::WelcomeRequested);

    connect(NewAction("acFindnotes", QStringLiteral("Find Notes")), &QAction::triggered, this,
            &TfmMainForm::acFindnotesExecute);
    connect(NewAction("acReminderList", QStringLiteral("Reminder List")), &QAction::triggered, this,
            [this] { ShowReminderList(0); });
    connect(NewAction("acTrashList", QStringLiteral("Trash List")), &QAction::triggered, this,
            &TfmMainForm::acTrashListExecute);

    TfmMemoboardData& memoboards = TfmMemoboardData::Instance();
    connect(NewAction("acNewMemoboard", QStringLiteral("New Memoboard...")), &QAction::triggered,
            this,
            [&memoboards] { RunGuarded([&memoboards] { memoboards.NewMemoboardDialog(); }); });
    connect(NewAction("acImportMemoboard", QStringLiteral("Import Memoboard")), &QAction::triggered,
            this, [&memoboards] { memoboards.ImportDialog(nullptr); });
}

QMenu* TfmMainForm::NewSubmenu(const char* name, const QString& caption, int tag) {
    QMenu* submenu = FPmenuMain->addMenu(caption);
    submenu->setObjectName(QString::fromLatin1(name));
    submenu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Item"));
    submenu->menuAction()->setData(tag);
    return submenu;
}

void TfmMainForm::CreateMenu() {
    const auto action = [this](const char* name) {
        return findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    };
    FPmenuMain->setObjectName(QStringLiteral("pmenuMain"));
    auto* style = new TMainMenuStyle;
    style->setParent(FPmenuMain);
    FPmenuMain->setStyle(style);

    // The tags of the top entries choose their pictures (TMainMenuStyle).
    action("acFindnotes")->setData(0);
    action("acReminderList")->setData(1);
    // Their pictures have a fixed width: the style draws their shortcuts on them instead of
    // widening the menu for a shortcut column.
    for (const char* name : {"acFindnotes", "acReminderList"})
        action(name)->setShortcutVisibleInContextMenu(false);
    FPmenuMain->addActions({action("acFindnotes"), action("acReminderList")});
    NewSubmenu("itemNewNote", QStringLiteral("New Note"), 2)
        ->addActions(
            {action("acAddDTNote"), action("acAddOnTheTop"), action("acAddRadomColorNote")});
    FMemoboardMenu = NewSubmenu("itemMemoboard", QStringLiteral("Memoboards"), 3);
    QMenu* tools = NewSubmenu("itemTools", QStringLiteral("Tools"), 4);
    tools->addActions({FAcAlwaysOnTop, action("acTrashList"), FAcShowAllNotes, FAcHideAllNotes,
                       action("acImportMemoboard"), FAcHideMain, action("acSettings"),
                       action("itemHotKeysSettings")});
    tools->addSeparator();
    tools->addAction(action("acExit"));
    QMenu* help = NewSubmenu("itemHelp", QStringLiteral("Help"), 5);
    help->addActions(
        {action("acHelp"), action("itemShowWelcome"), action("itemGettingStartedVideos")});
    help->addSeparator();
    help->addActions(
        {action("itemWriteToUs"), action("itemTellAFriend"), action("itemCheckForUpdates")});
    help->addSeparator();
    help->addActions({action("acHome"), action("acAbout")});

    RebuildMemoboardMenu();
    connect(FPmenuMain, &QMenu::aboutToShow, this,
            [this] { RunGuarded([this] { RebuildMemoboardMenu(); }); });
}

void TfmMainForm::RebuildMemoboardMenu() {
    ClearMenu(*FMemoboardMenu);
    FMemoboardMenu->addAction(
        findChild<QAction*>(QStringLiteral("acNewMemoboard"), Qt::FindDirectChildrenOnly));
    FMemoboardMenu->addSeparator();
    TMenuItem root;
    MemoboardDB().FillMemoboardMenu(root, false, 0);
    FillMenu(*FMemoboardMenu, root.Items, 0, [](int memoboardId, int tabId) {
        RunGuarded([=] { TfmMemoboardData::Instance().OpenMemoboard(memoboardId, tabId); });
    });
}

QRect TfmMainForm::ScreenGeometry() const {
    if (!FScreenOverride.isNull())
        return FScreenOverride;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QRect TfmMainForm::WorkArea() const {
    if (!FWorkAreaOverride.isNull())
        return FWorkAreaOverride;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : ScreenGeometry();
}

void TfmMainForm::SetScreenForTest(const QRect& screen, const QRect& workArea) {
    FScreenOverride = screen;
    FWorkAreaOverride = workArea;
    FCascade = TNoteCascade(screen.size());
}

int TfmMainForm::DefaultNoteKind() const {
    return ReadSetting(SysConfig::DefautNoteType);
}

void TfmMainForm::NewNote(int kind) {
    auto* note = new TfmNote(NoteMode::Desktop);
    note->move(FCascade.Next(note->size(), ScreenGeometry().size()));

    switch (kind) {
    case DefaultKind:
        note->show();
        break;
    case DateTimeKind:
        note->show();
        note->AppendTextLine(DateTimeText::ForDisplay(Clock::Now()));
        break;
    case OnTopKind:
        note->SetOnTopStyle(true);
        note->show();
        break;
    case RandomColorKind:
        note->SetColor(MemoboardDB::RandomColorTable[std::size_t(
            RandomSource::Next(int(MemoboardDB::RandomColorTable.size())))]);
        note->show();
        break;
    default:
        break; // an unknown kind stays hidden
    }
    if (note->isVisible()) {
        note->raise();
        note->activateWindow();
    }

    note->InsertIntoStore();
    if (note->NoteId() == 0) {
        // Without its row nothing typed into the note could be kept: it must not look as if
        // it existed.
        note->hide();
        note->deleteLater();
        throw DatabaseError("The new note could not be saved, so it was not made.");
    }
    const auto [family, pointSize] = NewNoteFont();
    note->SetTypingFont(family, pointSize);
    TfmUntil::Instance().RegisterNote(note->NoteId(), note);
}

void TfmMainForm::GuardedNewNote(int kind) {
    RunGuarded([this, kind] { NewNote(kind); });
}

void TfmMainForm::LoadAtStart() {
    ShowTrayIconAtStart();
    TfmUntil::Instance().LoadNotes(0, nullptr, 0, nullptr);
    if (FScheduler)
        FScheduler->Start();
}

void TfmMainForm::AttachReminderScheduler(TReminderScheduler& scheduler) {
    FScheduler = &scheduler;
    connect(&scheduler, &TReminderScheduler::IndicatorsChanged, this,
            &TfmMainForm::ShowReminderIndicators);
    ShowReminderIndicators(scheduler.IndicatorsShown());
}

void TfmMainForm::ShowTrayIconAtStart() {
    const int display = ReadSetting(SysConfig::NotepadDisply);
    // Shown even when no tray host answers yet: one may still be starting with the session.
    if (display == 1 || display == 3)
        FMFtray->show();
}

void TfmMainForm::ApplyNotepadDisplay(int display) {
    setVisible(display == 1 || display == 2);
    FMFtray->setVisible(display == 1 || display == 3);
}

void TfmMainForm::SetNotepadOnTop(bool on) {
    SetStaysOnTop(*this, on);
    FAcAlwaysOnTop->setChecked(on);
    StoreSetting(SysConfig::OnTheTop, on);
}

void TfmMainForm::UpdateShowHideMarks() {
    FAcShowAllNotes->setChecked(FShowAllNotes);
    FAcHideAllNotes->setChecked(!FShowAllNotes);
    TfmUntil::Instance().SetShowAllNotesChoice(FShowAllNotes);
    StoreSetting(SysConfig::ShowAllDeskNotes, FShowAllNotes);
}

void TfmMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
}

void TfmMainForm::FormShow() {
    if (FPlaced)
        return;
    FPlaced = true;
    const QRect screen = ScreenGeometry();
    const QRect workArea = WorkArea();
    move(screen.x() + screen.width() - 2 * width(),
         workArea.y() + workArea.height() - height() - 4);
    SetNotepadOnTop(ReadSetting(SysConfig::OnTheTop));
    FShowAllNotes = ReadSetting(SysConfig::ShowAllDeskNotes);
    UpdateShowHideMarks();
}

void TfmMainForm::closeEvent(QCloseEvent* event) {
    FMFtray->hide();
    event->accept();
    emit ProgramEndRequested();
}

void TfmMainForm::ekbtnShowMenuClick() {
    const QPoint corner(FImgMain->x() + FImgMain->width() - 22, FImgMain->y() - 2);
    FPmenuMain->popup(mapToGlobal(corner));
}

void TfmMainForm::ShowReminderIndicators(bool shown) {
    FImgReminder->setVisible(shown);
    FTrayicnReminder->setVisible(shown);
}

void TfmMainForm::ReminderIndicatorClick() {
    if (!FScheduler) {
        ShowReminderList(0);
        return;
    }
    FScheduler->Acknowledge();
    ShowReminderList(FScheduler->FirstDueNoteId());
}

void TfmMainForm::acAlwaysOnTopExecute() {
    SetNotepadOnTop(!StaysOnTop(*this));
}

void TfmMainForm::acShowAllNotesExecute() {
    TfmUntil::Instance().ShowAllNotes();
    FShowAllNotes = true;
    UpdateShowHideMarks();
}

void TfmMainForm::acHideAllNotesExecute() {
    TfmUntil::Instance().HideAllNotes();
    FShowAllNotes = false;
    UpdateShowHideMarks();
}

void TfmMainForm::acHideMainExecute() {
    if (isVisible()) {
        hide();
        FAcHideMain->setText(QStringLiteral("Display  Notepad"));
        FPlaced = true;
    } else {
        show();
        FAcHideMain->setText(QStringLiteral("Hidden  Notepad"));
        FPlaced = false;
    }
}

void TfmMainForm::acHelpExecute() {
    ShowHelp(5001);
}

void TfmMainForm::acAboutExecute() {
    FAbout.exec();
}

void TfmMainForm::acExitExecute() {
    if (ReadSetting(SysConfig::ExitReminder)) {
        emit ProgramEndRequested();
        return;
    }
    FMessage.SetShowCheckBox(true);
    FMessage.lblcbx()->setText(QStringLiteral("Exit direct without tips"));
    FMessage.cbx()->setChecked(false);
    FMessage.SetMessage(QStringLiteral("Application will exit.You will not access to your notes "
                                       "and reminder until you restart."));
    FMessage.SetTitle(QStringLiteral("Velmar Notes will close"));
    FMessage.SetShowCancel(true);
    FMessage.SetLineCount(2);
    if (FMessage.exec() != TfmMessage::ResultOK)
        return;
    emit ProgramEndRequested();
    if (FMessage.cbx()->isChecked())
        StoreSetting(SysConfig::ExitReminder, true);
}

// The find, reminder-list and trash-list windows: at most one each, created on first use and
// gone when closed.
template <typename Window> Window* TfmMainForm::ListWindow(QPointer<Window>& window) {
    if (!window) {
        window = new Window(FMessage);
        connect(window, &TListWindow::HelpRequested, this, &ShowHelp);
    }
    return window;
}

void TfmMainForm::ShowListWindow(TListWindow& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

void TfmMainForm::acFindnotesExecute() {
    ShowListWindow(*ListWindow(FFindForm));
}

// A list that is empty at opening shows a message instead of a window.
void TfmMainForm::ShowFilledList(TListWindow& window, int count, const QString& emptyMessage,
                                 int lines) {
    if (count > 0) {
        ShowListWindow(window);
        return;
    }
    if (!window.isVisible())
        window.close();
    FMessage.SetTitle(QStringLiteral("Velmar Notes"));
    FMessage.SetMessage(emptyMessage);
    FMessage.SetShowCancel(false);
    FMessage.SetLineCount(lines);
    FMessage.exec();
}

void TfmMainForm::ShowReminderList(int noteId) {
    RunGuarded([this, noteId] {
        TfmAlarmList* list = ListWindow(FReminderListForm);
        ShowFilledList(*list, list->Fill(),
                       QStringLiteral("The reminder list cannot be displayed because the "
                                      "reminder list is empty."),
                       2);
        if (noteId != 0 && FReminderListForm && FReminderListForm->isVisible())
            FReminderListForm->SelectNote(noteId);
    });
}

void TfmMainForm::acTrashListExecute() {
    RunGuarded([this] {
        TfmTrashList* list = ListWindow(FTrashListForm);
        ShowFilledList(*list, list->Fill(),
                       QStringLiteral("The trash list cannot be displayed because the trash "
                                      "list is empty."),
                       1);
    });
}
