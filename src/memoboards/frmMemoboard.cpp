// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmMemoboard.h"

#include "EKButton.h"
#include "frmMemoboardSettings.h"
#include "frmMessage.h"
#include "frmNote.h"
#include "untErrorBoundary.h"
#include "untFileChooser.h"
#include "untMemoboardBackground.h"
#include "untMemoboardExchange.h"
#include "untMenuModel.h"
#include "untNoteDB.h"
#include "untParam.h"
#include "untPaths.h"
#include "untProgramFolders.h"
#include "untScreenPlace.h"
#include "untSkinImage.h"
#include "untStayOnTop.h"
#include "untTabExV2.h"
#include "untTabNoteLoader.h"
#include "untTabPage.h"
#include "untWindowDrag.h"
#include "untWindowShape.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTextEdit>
#include <QWindow>

#include <algorithm>

namespace {

constexpr int TitleHeight = 28;
constexpr int ToolbarTop = 39;
constexpr int ButtonSize = 36;
constexpr int HostLeft = 9;
constexpr int TabHostTop = 78;
constexpr int TabHostHeight = 30;
constexpr int PageHostTop = 107;
constexpr int TabHeight = 20;
constexpr int TabMinimumWidth = 80;
constexpr int HelpContext = 50011;
const QColor TabHostColor(0x0F, 0x78, 0x8F);
const QColor BorderColor(0x57, 0x75, 0x9F);
const QString AppTitle = QStringLiteral("Velmar Notes");

QWidget* NewPanel(QWidget* parent, const char* name, const QColor& colour) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
    return panel;
}

TEKButton* NewButton(QWidget* parent, const char* name, const QString& pic, const QString& picHover,
                     const QString& hint) {
    auto* button = new TEKButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->SetPictures(pic, picHover, picHover);
    button->setToolTip(hint);
    return button;
}

// The note under a watched widget: the widget itself or its nearest note ancestor.
TfmNote* NoteOf(QObject* object) {
    for (; object; object = object->parent())
        if (auto* note = qobject_cast<TfmNote*>(object))
            return note;
    return nullptr;
}

} // namespace

TfmMemoboard::TfmMemoboard(int memoboardId, int tabId)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("fmMemoboard"));
    setAttribute(Qt::WA_DeleteOnClose);
    FMemoboard.Id = memoboardId;
    FRequestedTab.Id = tabId;
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSize(8);
    setFont(tahoma);
    setMinimumSize(MinimumWidth, MinimumHeight);
    setMouseTracking(true);
    resize(DesignWidth, DesignHeight);

    CreateTitleBar();
    CreateToolbar();
    FPnlTab = NewPanel(this, "pnlTab", TabHostColor);
    FPnlTab->installEventFilter(this);
    FPnlcon = NewPanel(this, "pnlcon", Qt::white);
    CreateMenus();
    LayoutControls();
}

TfmMemoboard::~TfmMemoboard() = default;

void TfmMemoboard::CreateTitleBar() {
    FImgTop = new TSkinImage(this);
    FImgTop->setObjectName(QStringLiteral("imgTop"));
    FImgTop->LoadPicture(QStringLiteral("mb_top"));
    FImgTop->SetStretch(true);
    FImgTop->installEventFilter(this);
    new WindowDragHelper(FImgTop, this);
    FImgIcon = new TSkinImage(this);
    FImgIcon->setObjectName(QStringLiteral("imgIcon"));
    FImgIcon->LoadPicture(QStringLiteral("mb_icon"));
    FImgIcon->setAttribute(Qt::WA_TransparentForMouseEvents);
    FLblCaption = new QLabel(this);
    FLblCaption->setObjectName(QStringLiteral("lblCaption"));
    FLblCaption->setAttribute(Qt::WA_TransparentForMouseEvents);
    FLblCaption->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));

    FEkbtnMin = NewButton(this, "ekbtnMin", QStringLiteral("min_left_"), QStringLiteral("min_left"),
                          QStringLiteral("Minimize"));
    connect(FEkbtnMin, &TEKButton::OnClick, this, &QWidget::showMinimized);
    FImgMax = new TSkinImage(this);
    FImgMax->setObjectName(QStringLiteral("ImgMax"));
    FImgMax->installEventFilter(this);
    UpdateMaximizeButton(false);
    FEkbtnClose = NewButton(this, "ekbtnClose", QStringLiteral("close_"), QStringLiteral("close"),
                            QStringLiteral("Close"));
    connect(FEkbtnClose, &TEKButton::OnClick, this, &QWidget::close);
}

void TfmMemoboard::CreateToolbar() {
    FEkbtnNewNote = NewButton(this, "ekbtnNewNote", QStringLiteral("mb_newnote"),
                              QStringLiteral("mb_newnote_"), QStringLiteral("New Note"));
    FEkbtnMemoboard = NewButton(this, "ekbtnMemoboard", QStringLiteral("mb_memoboard"),
                                QStringLiteral("mb_memoboard_"), QStringLiteral("Memo board"));
    FEkbtnTools = NewButton(this, "ekbtnTools", QStringLiteral("mb_tool"),
                            QStringLiteral("mb_tool_"), QStringLiteral("Tools"));
    FEkbtnPrint = NewButton(this, "ekbtnPrint", QStringLiteral("mb_print"),
                            QStringLiteral("mb_print_"), QStringLiteral("Print active note"));
    FEkbtnTrash = NewButton(this, "ekbtnTrash", QStringLiteral("mb_trash"),
                            QStringLiteral("mb_trash_"), QStringLiteral("Show Trash List"));
    connect(FEkbtnNewNote, &TEKButton::OnClick, this,
            [this] { RunGuarded([this] { NewNoteOnTab(0); }); });
    FEkbtnNewNote->installEventFilter(this); // the right button's menu
    connect(FEkbtnMemoboard, &TEKButton::OnClick, this,
            [this] { PopupBelow(FPopmuMemoboard, FEkbtnMemoboard); });
    connect(FEkbtnTools, &TEKButton::OnClick, this,
            [this] { PopupBelow(FPopmuTools, FEkbtnTools); });
    connect(FEkbtnPrint, &TEKButton::OnClick, this,
            [this] { Guarded(&TfmMemoboard::ekbtnPrintClick); });
    connect(FEkbtnTrash, &TEKButton::OnClick, this, &TfmMemoboard::TrashListRequested);

    FLabel1 = new QLabel(QStringLiteral("Help"), this);
    FLabel1->setObjectName(QStringLiteral("Label1"));
    FLabel1->setStyleSheet(QStringLiteral("color: white;"));
    FLabel1->setCursor(Qt::PointingHandCursor);
    FLabel1->installEventFilter(this);
}

QAction* TfmMemoboard::AddAction(QMenu* menu, const char* name, const QString& caption,
                                 void (TfmMemoboard::*handler)()) {
    QAction* action = menu->addAction(caption, this, [this, handler] { Guarded(handler); });
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void TfmMemoboard::CreateMenus() {
    FPopmuMemoboard = new QMenu(this);
    FPopmuMemoboard->setObjectName(QStringLiteral("popmuMemoboard"));
    connect(FPopmuMemoboard, &QMenu::aboutToShow, this,
            [this] { Guarded(&TfmMemoboard::popmuMemoboardPopup); });

    FPopmuTools = new QMenu(this);
    FPopmuTools->setObjectName(QStringLiteral("popmuTools"));
    QMenu* cascade = FPopmuTools->addMenu(QStringLiteral("Cascade"));
    const std::pair<const char*, std::pair<CascadeOrder, CascadeOrder>> orders[] = {
        {"Creation Date", {CreationNewest, CreationOldest}},
        {"Modify Date", {ModifyNewest, ModifyOldest}}};
    for (const auto& [caption, codes] : orders) {
        QMenu* by = cascade->addMenu(QString::fromLatin1(caption));
        for (const auto& [text, code] : {std::pair{"Newest in Front", codes.first},
                                         std::pair{"Oldest in Front", codes.second}}) {
            const CascadeOrder order = code;
            by->addAction(QString::fromLatin1(text), this, [this, order] {
                  RunGuarded([this, order] { Cascade(order); });
              })->setObjectName(QStringLiteral("itemCascade%1").arg(int(order)));
        }
    }
    FPopmuTools->addSeparator();
    FPopmuTools->addAction(QStringLiteral("Find Notes"), this, &TfmMemoboard::FindNotesRequested);
    FPopmuTools->addAction(QStringLiteral("Reminder List"), this,
                           &TfmMemoboard::ReminderListRequested);
    FPopmuTools->addAction(QStringLiteral("Trash List"), this, &TfmMemoboard::TrashListRequested);
    AddAction(FPopmuTools, "itemImport", QStringLiteral("Import Memoboard"),
              &TfmMemoboard::actImportExecute);
    FPopmuTools->addSeparator();
    FPopmuTools->addAction(QStringLiteral("Memoboard\\Tab Settings..."), this,
                           [this] { RunGuarded([this] { actMTSettingsExecute(1); }); });
    AddAction(FPopmuTools, "itemExport", QStringLiteral("Export Memoboard"),
              &TfmMemoboard::actExportExecute);
    AddAction(FPopmuTools, "itemDeleteMemoboard", QStringLiteral("Delete Memoboard"),
              &TfmMemoboard::actDeleteMExecute);
    FMenuKeepTop =
        AddAction(FPopmuTools, "menuKeepTop", QStringLiteral("Keep the memoboard on the top"),
                  &TfmMemoboard::actOntheTopExecute);
    FMenuKeepTop->setCheckable(true);

    FPopmuTab = new QMenu(this);
    FPopmuTab->setObjectName(QStringLiteral("popmuTab"));
    FItemMoveto = FPopmuTab->addMenu(QStringLiteral("Move to..."));
    FItemMoveto->setObjectName(QStringLiteral("itemMoveto"));
    AddAction(FPopmuTab, "itemTabDelete", QStringLiteral("Delete Tab"),
              &TfmMemoboard::actDeleteTabExecute);
    AddAction(FPopmuTab, "itemTabNew", QStringLiteral("New Tab"), &TfmMemoboard::actNewTabExecute);
    AddAction(FPopmuTab, "itemRenameTab", QStringLiteral("Rename Tab"),
              &TfmMemoboard::actRenameTabExecute);
    FPopmuTab->addAction(QStringLiteral("Settings..."), this,
                         [this] { RunGuarded([this] { actMTSettingsExecute(1); }); });
    QMenu* position = FPopmuTab->addMenu(QStringLiteral("Image Position"));
    FPlacementGroup = new QActionGroup(this);
    for (const auto& [caption, code] :
         {std::pair{"Top Left", 1}, std::pair{"Tile", 3}, std::pair{"Center", 2}}) {
        const int placement = code;
        QAction* item = position->addAction(QString::fromLatin1(caption), this, [this, placement] {
            RunGuarded([this, placement] { SetImagePosition(placement); });
        });
        item->setObjectName(QStringLiteral("itemPlacement%1").arg(placement));
        item->setData(placement);
        item->setCheckable(true);
        item->setChecked(placement == 3);
        FPlacementGroup->addAction(item);
    }
    AddAction(FPopmuTab, "itemSelectImage", QStringLiteral("Select Image"),
              &TfmMemoboard::actSelectImgExecute);
    FPopmuTab->addAction(QStringLiteral("Background Color"), this,
                         [this] { RunGuarded([this] { actMTSettingsExecute(1); }); });
    FPopmuTab->addAction(QStringLiteral("Tab Color"), this,
                         [this] { RunGuarded([this] { actMTSettingsExecute(2); }); });
    connect(FPopmuTab, &QMenu::aboutToShow, this,
            [this] { Guarded(&TfmMemoboard::popmuTabPopup); });

    FPopNewNote = new QMenu(this);
    FPopNewNote->setObjectName(QStringLiteral("popNewNote"));
    FPopNewNote->addAction(QStringLiteral("Date/Time Note"), this,
                           [this] { RunGuarded([this] { NewNoteOnTab(1); }); });
    FPopNewNote->addAction(QStringLiteral("Random Colors Note"), this,
                           [this] { RunGuarded([this] { NewNoteOnTab(3); }); });
}

void TfmMemoboard::LayoutControls() {
    const int w = width();
    const int h = height();
    FImgTop->setGeometry(0, 0, w, TitleHeight);
    FImgIcon->setGeometry(12, 6, 18, 18);
    FLblCaption->setGeometry(39, 8, std::max(0, w - 39 - 120), 14);
    // The window buttons hang from the top edge, 46 x 18 each.
    FEkbtnClose->setGeometry(w - 8 - 46, 0, 46, 18);
    FImgMax->setGeometry(w - 8 - 2 * 46 - 2, 0, 46, 18);
    FEkbtnMin->setGeometry(w - 8 - 3 * 46 - 4, 0, 46, 18);
    int left = 12;
    for (TEKButton* button :
         {FEkbtnNewNote, FEkbtnMemoboard, FEkbtnTools, FEkbtnPrint, FEkbtnTrash}) {
        button->setGeometry(left, ToolbarTop - 4, ButtonSize, ButtonSize);
        left += ButtonSize + 6;
    }
    FLabel1->setGeometry(w - 50, 50, 40, 16);
    FPnlTab->setGeometry(HostLeft, TabHostTop, w - 2 * HostLeft, TabHostHeight);
    FPnlcon->setGeometry(HostLeft, PageHostTop, w - 2 * HostLeft, h - PageHostTop - HostLeft);
    for (const TLTabInfo& entry : FTabList)
        if (entry.Page)
            entry.Page->setGeometry(FPnlcon->rect());
}

void TfmMemoboard::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutControls();
    setMask(RoundedRegion(QSize(width() + 1, height() + 1), 9) & QRegion(rect()));
}

void TfmMemoboard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient body(0, TitleHeight, 0, height());
    body.setColorAt(0, QColor(0x3D, 0x8C, 0xA5));
    body.setColorAt(1, QColor(0x1F, 0x5E, 0x74));
    painter.fillRect(rect(), body);
    // The one-pixel border around the tab row and the pages.
    painter.setPen(BorderColor);
    const QRect frame = FPnlTab->geometry().united(FPnlcon->geometry()).adjusted(-1, -1, 0, 0);
    painter.drawRect(frame);
}

void TfmMemoboard::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (FShown || event->spontaneous())
        return;
    FShown = true;
    CentreOnScreen(*this);
    RunGuarded([this] { FormShow(); });
}

void TfmMemoboard::FormShow() {
    Dataset row;
    MemoboardDB::GetMemoboardRow(FMemoboard.Id, row);
    if (!row.IsEmpty())
        FMemoboard.Caption = row.FieldByName(QStringLiteral("Caption")).AsString();
    FLblCaption->setText(FMemoboard.Caption);
    setWindowTitle(FMemoboard.Caption);

    FTabEx = new TTabExV2(FPnlTab);
    Dataset tabs;
    MemoboardDB::GetTabs(FMemoboard.Id, tabs);
    TTabPanel* requested = nullptr;
    for (const Dataset::Row tabRow : tabs) {
        const TTabInfo tab = MemoboardDB::TabInfoFromRow(tabRow, VelmarPaths::DataFolder());
        TLTabInfo& entry = BuildPage(tab);
        TTabPanel* panel =
            FTabEx->AppendTab(tab.Id, tab.Caption, TabHeight, TabMinimumWidth, tab.Color);
        const qint64 sort = tabRow.FieldByName(QStringLiteral("Sort")).AsInteger();
        LoadTabNotes(entry, sort >= 0 && sort <= 4 ? int(sort) : 0);
        if (tab.Id == FRequestedTab.Id)
            requested = panel;
    }
    connect(FTabEx, &TTabExV2::OnChange, this, [this](TTabPanel* tab) { SwitchPage(tab); });
    connect(FTabEx, &TTabExV2::TabRenamed, this, [this](TTabPanel* tab, const QString& caption) {
        RunGuarded([tab, caption] { MemoboardDB::SetCaption(caption, tab->Tag()); });
        for (TLTabInfo& entry : FTabList)
            if (!entry.Deleted && entry.TabId == tab->Tag())
                entry.Info.Caption = caption;
    });
    if (requested)
        FTabEx->ActivateTab(requested);
}

TLTabInfo& TfmMemoboard::BuildPage(const TTabInfo& tab) {
    auto* page = new TTabPage(FPnlcon);
    page->setGeometry(FPnlcon->rect());
    page->SetBgColor(tab.BgColor);
    page->hide();
    page->Box()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(page->Box(), &QWidget::customContextMenuRequested, this,
            [this, page](const QPoint& at) { FPopmuTab->popup(page->Box()->mapToGlobal(at)); });
    page->Box()->installEventFilter(this);
    FTabList.push_back({tab.Id, page, false, tab, {6, 6}, {}});
    PaintPage(FTabList.back());
    return FTabList.back();
}

void TfmMemoboard::PaintPage(const TLTabInfo& entry) {
    if (!entry.Page)
        return;
    entry.Page->SetBgColor(entry.Info.BgColor);
    const QPixmap picture =
        entry.Info.Position == 0 ? QPixmap() : MemoboardBackground::Load(entry.Info.Bgimg);
    entry.Page->SetBackground(picture, entry.Info.Position);
}

void TfmMemoboard::PaintBackground() {
    if (TLTabInfo* entry = CurrentEntry())
        PaintPage(*entry);
}

void TfmMemoboard::LoadTabNotes(TLTabInfo& entry, int orderCode) {
    QWidget* box = entry.Page->Box();
    auto* loader = new TTabNoteLoader(
        NoteDB::ListForLoading(orderCode, entry.TabId),
        [this, box](const NoteRecord& row) {
            return TfmUntil::Instance().OpenListedNote(row, this, box);
        },
        entry.Page);
    connect(loader, &TTabNoteLoader::NoteOpened, this, [this](TfmNote* note) {
        AdoptNote(note);
        note->DeactivateInMemoboard();
    });
    entry.Loader = loader;
    loader->Start();
}

TfmNote* TfmMemoboard::NoteWindowNow(int noteId) {
    if (TfmNote* note = FindNoteWindow(noteId))
        return note;
    for (const TLTabInfo& entry : FTabList)
        if (!entry.Deleted && entry.Loader)
            if (TfmNote* note = entry.Loader->OpenNow(noteId))
                return note;
    return nullptr;
}

bool TfmMemoboard::IsLoadingNotes() const {
    return std::any_of(FTabList.begin(), FTabList.end(), [](const TLTabInfo& entry) {
        return !entry.Deleted && entry.Loader && entry.Loader->IsLoading();
    });
}

void TfmMemoboard::StopLoading(TLTabInfo& entry) {
    if (entry.Loader)
        entry.Loader->Stop();
}

void TfmMemoboard::AdoptNote(TfmNote* note) {
    FNoteList.append({note->NoteId(), note});
    note->installEventFilter(this);
    for (QWidget* part : note->findChildren<QWidget*>())
        part->installEventFilter(this);
    connect(note, &TfmNote::MemoboardNoteClosed, this, &TfmMemoboard::ForgetNote,
            Qt::UniqueConnection);
}

TfmNote* TfmMemoboard::FindNoteWindow(int noteId) const {
    for (const TLNoteinfo& info : FNoteList)
        if (info.NoteId == noteId)
            return info.Note;
    return nullptr;
}

void TfmMemoboard::ForgetNote(int noteId) {
    for (qsizetype i = 0; i < FNoteList.size(); ++i) {
        if (FNoteList[i].NoteId == noteId) {
            if (FCurrentNote == FNoteList[i].Note)
                FCurrentNote = nullptr;
            FNoteList.removeAt(i);
            return;
        }
    }
}

TLTabInfo* TfmMemoboard::CurrentEntry() {
    if (FCurrentTabIndex < 0 || FCurrentTabIndex >= int(FTabList.size()))
        return nullptr;
    TLTabInfo& entry = FTabList[std::size_t(FCurrentTabIndex)];
    return entry.Deleted ? nullptr : &entry;
}

TTabPage* TfmMemoboard::CurrentPage() const {
    if (FCurrentTabIndex < 0 || FCurrentTabIndex >= int(FTabList.size()))
        return nullptr;
    const TLTabInfo& entry = FTabList[std::size_t(FCurrentTabIndex)];
    return entry.Deleted ? nullptr : entry.Page.data();
}

int TfmMemoboard::CurrentTabId() const {
    if (FCurrentTabIndex < 0 || FCurrentTabIndex >= int(FTabList.size()))
        return 0;
    return FTabList[std::size_t(FCurrentTabIndex)].TabId;
}

TTabPage* TfmMemoboard::PageOfTab(int tabId) const {
    for (const TLTabInfo& entry : FTabList)
        if (!entry.Deleted && entry.TabId == tabId)
            return entry.Page;
    return nullptr;
}

void TfmMemoboard::SwitchPage(TTabPanel* tab) {
    DeactivateNote(FCurrentNote);
    FCurrentNote = nullptr;
    if (TTabPage* shown = CurrentPage())
        shown->hide();
    FCurrentTabIndex = -1;
    for (std::size_t i = 0; i < FTabList.size(); ++i) {
        if (!FTabList[i].Deleted && FTabList[i].TabId == tab->Tag()) {
            FCurrentTabIndex = int(i);
            break;
        }
    }
    TLTabInfo* entry = CurrentEntry();
    if (!entry || !entry->Page)
        return;
    entry->Page->show();
    entry->Page->raise();
    // Shown with their page, the notes painted themselves active; none is current yet.
    for (TfmNote* note : NotesOnTab(entry->TabId))
        note->DeactivateInMemoboard();
}

void TfmMemoboard::SetCurrentNote(TfmNote* note) {
    if (!note || note == FCurrentNote)
        return;
    DeactivateNote(FCurrentNote);
    FCurrentNote = note;
    note->raise();
    note->ApplyColor();
}

void TfmMemoboard::DeactivateNote(TfmNote* note) {
    if (!note)
        return;
    note->retShow()->clearFocus();
    note->DeactivateInMemoboard();
}

QList<TfmNote*> TfmMemoboard::NotesOnTab(int tabId) const {
    QList<TfmNote*> notes;
    for (const TLNoteinfo& info : FNoteList)
        if (info.Note && info.Note->ParentId() == tabId)
            notes.append(info.Note);
    return notes;
}

TfmNote* TfmMemoboard::NewNoteOnTab(int kind) {
    TLTabInfo* entry = CurrentEntry();
    if (!entry || !entry->Page)
        return nullptr;
    auto* note = new TfmNote(NoteMode::Memoboard, entry->Page->Box());
    NoteRecord values;
    values.parentId = entry->TabId;
    values.color = note->NoteColor();
    note->TakeStoredValues(values);
    const QPoint place = entry->NextNote;
    note->move(place);
    const int boxWidth = entry->Page->width();
    if (boxWidth < place.x() + note->width())
        entry->NextNote = {6, place.y() + note->height() / 2};
    else
        entry->NextNote = {place.x() + 50, place.y() + 12};

    if (kind == 3)
        note->SetColor(MemoboardDB::RandomTabColor());
    note->show();
    if (kind == 1)
        note->itmInsertDTClick();
    note->InsertIntoStore();
    const auto [family, pointSize] = NewNoteFont();
    note->SetTypingFont(family, pointSize);
    note->SetModified(false);
    TfmUntil::Instance().Attach(note);
    AdoptNote(note);
    SetCurrentNote(note);
    note->retShow()->setFocus();
    return note;
}

void TfmMemoboard::Cascade(CascadeOrder order) {
    TLTabInfo* entry = CurrentEntry();
    if (!entry || !entry->Page)
        return;
    // Every note of the page takes its place.
    if (entry->Loader)
        entry->Loader->FinishNow();
    MemoboardDB::SetNoteOrder(order, entry->TabId);
    const bool byCreation = order == CreationNewest || order == CreationOldest;
    QHash<int, QString> modifyTimes;
    if (!byCreation) {
        Dataset rows;
        NoteDB::ListByParent(entry->TabId, rows);
        for (const Dataset::Row row : rows)
            modifyTimes.insert(int(row.FieldByName(QStringLiteral("Id")).AsInteger()),
                               row.FieldByName(QStringLiteral("ModifyTime")).AsString());
    }
    // Sorted as text, the way the notes always have been: "10=…" comes before "9=…".
    QStringList keys;
    for (qsizetype i = 0; i < FNoteList.size(); ++i) {
        const TfmNote* note = FNoteList[i].Note;
        if (!note || note->ParentId() != entry->TabId)
            continue;
        const QString key =
            byCreation ? QString::number(note->NoteId()) : modifyTimes.value(note->NoteId());
        keys.append(key + u'=' + QString::number(i));
    }
    keys.sort(Qt::CaseInsensitive);
    if (order == CreationNewest || order == ModifyNewest)
        std::reverse(keys.begin(), keys.end());

    const int wrap = byCreation ? 3 : 6;
    const QSize box = entry->Page->size();
    QPoint at(6, 6);
    for (const QString& key : keys) {
        TfmNote* note = FNoteList[key.section(u'=', -1).toInt()].Note;
        note->move(at);
        note->lower();
        NoteDB::SavePosition(note->NoteId(), at);
        if (at.x() + note->width() < box.width())
            at += QPoint(50, 12);
        else
            at = {wrap, note->height() + 3};
        if (at.y() + note->height() > box.height())
            at = {wrap, wrap};
    }
}

void TfmMemoboard::actNewTabExecute() {
    const int color = MemoboardDB::RandomTabColor();
    const int id = MemoboardDB::AddTab(FMemoboard.Id, QStringLiteral("Tab1"), color);
    if (id == 0)
        return;
    TTabInfo tab;
    tab.Id = id;
    tab.Caption = QStringLiteral("Tab1");
    tab.Color = color;
    tab.BgColor = color;
    tab.Position = 3;
    BuildPage(tab);
    FTabEx->AppendTab(id, tab.Caption, TabHeight, TabMinimumWidth, color);
    FTabEx->ActivateTabById(id);
}

bool TfmMemoboard::Confirm(const QString& text) {
    if (!FMessage)
        return false;
    FMessage->SetTitle(AppTitle);
    FMessage->SetMessage(text);
    FMessage->SetShowCancel(true);
    FMessage->SetLineCount(1);
    return FMessage->exec() == TfmMessage::ResultOK;
}

void TfmMemoboard::DropTab(int tabId) {
    for (TLTabInfo& entry : FTabList) {
        if (entry.Deleted || entry.TabId != tabId)
            continue;
        StopLoading(entry);
        for (TfmNote* note : NotesOnTab(tabId)) {
            note->SaveIfModified();
            ForgetNote(note->NoteId());
        }
        entry.Deleted = true;
        entry.Page->hide();
        entry.Page->deleteLater();
    }
    FCurrentTabIndex = -1;
}

void TfmMemoboard::ShowRemainingTab() {
    if (FTabEx->TabCount() == 0)
        actNewTabExecute();
    FTabEx->ActivateLastTab();
}

void TfmMemoboard::actDeleteTabExecute() {
    const int tabId = CurrentTabId();
    if (tabId == 0 ||
        !Confirm(QStringLiteral("This will delete the tab and put all its notes in the trash.")))
        return;
    // The notes' last words are written before they go to the trash.
    for (TfmNote* note : NotesOnTab(tabId))
        note->SaveIfModified();
    MemoboardDB::DeleteTab(tabId);
    FTabEx->RemoveTab(tabId);
    DropTab(tabId);
    TfmUntil::Instance().ReloadDueList();
    ShowRemainingTab();
}

void TfmMemoboard::actRenameTabExecute() {
    if (FTabEx->ActiveTab())
        FTabEx->BeginRename(FTabEx->ActiveTab());
}

void TfmMemoboard::MoveTabClick(int targetMemoboardId) {
    TLTabInfo* entry = CurrentEntry();
    if (!entry || !MemoboardDB::MoveTab(targetMemoboardId, entry->TabId))
        return;
    const TTabInfo tab = entry->Info;
    FTabEx->RemoveTab(tab.Id);
    DropTab(tab.Id);
    emit MoveTabRequested(targetMemoboardId, tab);
    ShowRemainingTab();
}

void TfmMemoboard::ShowMovedTab(const TTabInfo& tab) {
    if (!FTabEx || FTabEx->TabById(tab.Id))
        return;
    TLTabInfo& entry = BuildPage(tab);
    Dataset row;
    MemoboardDB::GetMemoboardRow(tab.Id, row);
    const qint64 sort = row.IsEmpty() ? 0 : row.FieldByName(QStringLiteral("Sort")).AsInteger();
    LoadTabNotes(entry, sort >= 0 && sort <= 4 ? int(sort) : 0);
    FTabEx->AppendTab(tab.Id, tab.Caption, TabHeight, TabMinimumWidth, tab.Color);
    FTabEx->ActivateTabById(tab.Id);
}

void TfmMemoboard::SetImagePosition(int placement) {
    TLTabInfo* entry = CurrentEntry();
    if (!entry)
        return;
    entry->Info.Position = std::uint8_t(placement);
    MemoboardDB::SetImagePosition(placement, entry->TabId);
    for (QAction* item : FPlacementGroup->actions())
        item->setChecked(item->data().toInt() == placement);
    PaintPage(*entry);
}

QString TfmMemoboard::CopyBackgroundImage(const QString& chosenPath) {
    const QString name = ProgramFolders::CopyIntoDataFolder(chosenPath);
    return name.isEmpty() ? QString() : VelmarPaths::DataFolder() + name;
}

void TfmMemoboard::actSelectImgExecute() {
    TLTabInfo* entry = CurrentEntry();
    if (!entry)
        return;
    const QString chosen = FileChooser::ChooseOpenFile(
        this, QStringLiteral("Select Image"), {},
        QStringLiteral("All (*.jpg *.bmp);;JPEG Image File (*.jpg);;Bitmaps (*.bmp)"));
    if (chosen.isEmpty())
        return;
    const QString path = CopyBackgroundImage(chosen);
    if (path.isEmpty())
        return;
    MemoboardDB::SetBackgroundImage(BareFileName(path), entry->TabId);
    entry->Info.Bgimg = path;
    PaintPage(*entry);
}

TMemoboardSettingsValues TfmMemoboard::SettingsValues() const {
    TMemoboardSettingsValues values;
    values.MemoboardName = FLblCaption->text();
    if (FCurrentTabIndex < 0 || FCurrentTabIndex >= int(FTabList.size()))
        return values;
    const TLTabInfo& entry = FTabList[std::size_t(FCurrentTabIndex)];
    values.TabName = FTabEx->ActiveTab() ? FTabEx->ActiveTab()->text() : entry.Info.Caption;
    values.TabColor = FTabEx->ActiveTab() ? FTabEx->ActiveTab()->Color() : entry.Info.Color;
    values.PageColor = entry.Info.BgColor;
    values.Placement = entry.Info.Position;
    values.Bgimg = entry.Info.Bgimg;
    return values;
}

void TfmMemoboard::actMTSettingsExecute(int firstPage) {
    if (!CurrentEntry())
        return;
    TMemoboardSettingsValues values = SettingsValues();
    TfmMemoboardSettings dialog(this);
    if (dialog.Edit(values, firstPage))
        ApplySettings(values);
}

void TfmMemoboard::ApplySettings(const TMemoboardSettingsValues& values) {
    TLTabInfo* entry = CurrentEntry();
    if (!entry)
        return;
    TTabInfo& tab = entry->Info;
    tab.Caption = values.TabName;
    tab.Color = values.TabColor;
    tab.BgColor = values.PageColor;
    tab.Position = std::uint8_t(values.Placement);
    MemoboardDB::SetCaption(values.MemoboardName, FMemoboard.Id);
    if (!values.NewImage.isEmpty()) {
        const QString path = CopyBackgroundImage(values.NewImage);
        if (!path.isEmpty())
            tab.Bgimg = path;
    } else {
        tab.Bgimg = values.Bgimg;
    }
    TTabInfo stored = tab;
    stored.Bgimg = BareFileName(tab.Bgimg);
    MemoboardDB::UpdateTab(stored);
    if (TTabPanel* panel = FTabEx->TabById(tab.Id)) {
        panel->setText(tab.Caption);
        panel->SetColor(tab.Color);
        FTabEx->BeginRename(panel);
        FTabEx->FinishRename();
    }
    FMemoboard.Caption = values.MemoboardName;
    FLblCaption->setText(values.MemoboardName);
    setWindowTitle(values.MemoboardName);
    emit CaptionChanged(FMemoboard.Id, values.MemoboardName);
    PaintPage(*entry);
}

void TfmMemoboard::actNewMemoboardExecute() {
    emit NewMemoboardRequested();
}

void TfmMemoboard::actDeleteMExecute() {
    if (Confirm(QStringLiteral(
            "This will delete the memoboard and tab, then put all its notes in the trash."))) {
        for (const TLNoteinfo& info : FNoteList)
            if (info.Note)
                info.Note->SaveIfModified();
        MemoboardDB::DeleteMemoboard(FMemoboard.Id);
        TfmUntil::Instance().ReloadDueList();
    }
    close();
}

void TfmMemoboard::actExportExecute() {
    const QString file = FileChooser::ChooseSaveFile(
        this, QStringLiteral("Export Memoboard"), FLblCaption->text() + QStringLiteral(".mbir"),
        QStringLiteral("velmarnote file (*.mbir)"), QStringLiteral("mbir"));
    if (file.isEmpty())
        return;
    const TExchangeResult result = ExportMemoboard(FMemoboard.Id, FLblCaption->text(), file);
    if (!result.Ok)
        ShowError(result.Error);
}

void TfmMemoboard::actImportExecute() {
    emit ImportRequested();
}

void TfmMemoboard::actOntheTopExecute() {
    const bool on = !StaysOnTop(*this);
    SetStaysOnTop(*this, on);
    FMenuKeepTop->setChecked(on);
}

void TfmMemoboard::ekbtnPrintClick() {
    if (!FCurrentNote)
        return;
    QPrinter printer;
    printer.setDocName(QStringLiteral("Untitled"));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        FCurrentNote->retShow()->document()->print(&printer);
}

void TfmMemoboard::EdtSubmitMouseDown() {
    if (FTabEx)
        FTabEx->FinishRename(); // a changed caption is stored through TabRenamed
    DeactivateNote(FCurrentNote);
    FCurrentNote = nullptr;
}

void TfmMemoboard::popmuMemoboardPopup() {
    // Built anew each time: the fixed entries, then the other memoboards with their tabs.
    ClearMenu(*FPopmuMemoboard);
    FPopmuMemoboard->addAction(QStringLiteral("Memoboard\\Tab Settings..."), this,
                               [this] { RunGuarded([this] { actMTSettingsExecute(1); }); });
    AddAction(FPopmuMemoboard, "itemNewTab", QStringLiteral("New Tab"),
              &TfmMemoboard::actNewTabExecute);
    AddAction(FPopmuMemoboard, "itemDeleteTab", QStringLiteral("Delete Tab"),
              &TfmMemoboard::actDeleteTabExecute);
    AddAction(FPopmuMemoboard, "itemNewMemoboard", QStringLiteral("New Memoboard"),
              &TfmMemoboard::actNewMemoboardExecute);
    FPopmuMemoboard->addSeparator();
    TMenuItem popup;
    MemoboardDB().FillSwitchMenu(popup, 0, FMemoboard.Id, false);
    FillMenu(*FPopmuMemoboard, popup.Items, 0, [this](int memoboardId, int tabId) {
        emit OpenMemoboardRequested(memoboardId, tabId);
    });
}

void TfmMemoboard::popmuTabPopup() {
    ClearMenu(*FItemMoveto);
    TMenuItem item;
    item.Tag = FMemoboard.Id;
    MemoboardDB().FillMoveToMenu(item);
    FillMenu(*FItemMoveto, item.Items, FMemoboard.Id, [this](int, int memoboardId) {
        RunGuarded([this, memoboardId] { MoveTabClick(memoboardId); });
    });
    FItemMoveto->setEnabled(!item.Items.empty());
    const TLTabInfo* entry = CurrentEntry();
    const int placement = entry && entry->Info.Position != 0 ? entry->Info.Position : 3;
    for (QAction* action : FPlacementGroup->actions())
        action->setChecked(action->data().toInt() == placement);
}

void TfmMemoboard::PopupBelow(QMenu* menu, QWidget* button) {
    menu->popup(button->mapToGlobal(QPoint(5, button->height())));
}

void TfmMemoboard::UpdateMaximizeButton(bool hover) {
    const bool maximized = isMaximized();
    if (hover)
        FImgMax->LoadPicture(maximized ? QStringLiteral("restore") : QStringLiteral("max"));
    else
        FImgMax->LoadPicture(maximized ? QStringLiteral("restore1") : QStringLiteral("max_"));
}

void TfmMemoboard::ToggleMaximized() {
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void TfmMemoboard::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        UpdateMaximizeButton(false);
}

Qt::Edges TfmMemoboard::BorderHit(const QPoint& point, const QSize& size) {
    const int x = point.x();
    const int y = point.y();
    const int w = size.width();
    const int h = size.height();
    if (x >= w - BorderBand && y >= h - BorderBand)
        return Qt::BottomEdge | Qt::RightEdge;
    if (x <= BorderBand && y <= BorderBand)
        return Qt::TopEdge | Qt::LeftEdge;
    if (x <= BorderBand && y <= h - BorderBand)
        return Qt::LeftEdge;
    if (x >= w - BorderBand)
        return Qt::RightEdge;
    if (y >= h - BorderBand)
        return Qt::BottomEdge;
    if (y <= BorderBand)
        return Qt::TopEdge;
    return {};
}

void TfmMemoboard::mousePressEvent(QMouseEvent* event) {
    const Qt::Edges edges = BorderHit(event->position().toPoint(), size());
    if (edges && !isMaximized() && event->button() == Qt::LeftButton && windowHandle()) {
        windowHandle()->startSystemResize(edges);
        return;
    }
    Guarded(&TfmMemoboard::EdtSubmitMouseDown);
}

void TfmMemoboard::mouseMoveEvent(QMouseEvent* event) {
    const Qt::Edges edges =
        isMaximized() ? Qt::Edges() : BorderHit(event->position().toPoint(), size());
    if (edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if (edges == Qt::LeftEdge || edges == Qt::RightEdge)
        setCursor(Qt::SizeHorCursor);
    else if (edges)
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
}

bool TfmMemoboard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (TfmNote* note = NoteOf(watched); note && FindNoteWindow(note->NoteId()) == note) {
            SetCurrentNote(note);
        } else if (watched == FLabel1) {
            emit HelpRequested(HelpContext);
        } else if (watched == FImgMax) {
            ToggleMaximized();
        } else if (watched == FEkbtnNewNote && mouse->button() == Qt::RightButton) {
            FPopNewNote->popup(mouse->globalPosition().toPoint());
            return true;
        } else if (watched == FImgTop || watched == FPnlTab ||
                   watched->objectName() == QStringLiteral("box")) {
            Guarded(&TfmMemoboard::EdtSubmitMouseDown);
        }
    } else if (type == QEvent::MouseButtonDblClick && watched == FImgTop) {
        ToggleMaximized();
    } else if (watched == FImgMax && (type == QEvent::Enter || type == QEvent::Leave)) {
        UpdateMaximizeButton(type == QEvent::Enter);
    }
    return QWidget::eventFilter(watched, event);
}

void TfmMemoboard::closeEvent(QCloseEvent* event) {
    for (TLTabInfo& entry : FTabList)
        StopLoading(entry);
    DeactivateNote(FCurrentNote);
    FCurrentNote = nullptr;
    for (const TLNoteinfo& info : FNoteList)
        if (info.Note)
            info.Note->SaveIfModified();
    FNoteList.clear();
    emit Closed(FMemoboard.Id);
    event->accept();
}

void TfmMemoboard::Guarded(void (TfmMemoboard::*action)()) {
    RunGuarded([this, action] { (this->*action)(); });
}
