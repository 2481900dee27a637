// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmNote.h"

#include "RtfReader.h"
#include "RtfWriter.h"
#include "UrlDetector.h"
#include "UrlHighlighter.h"
#include "frmNoteMinimize.h"
#include "untArrowBar.h"
#include "untClock.h"
#include "untErrorBoundary.h"
#include "untMenuModel.h"
#include "untNoteAnimation.h"
#include "untNoteColors.h"
#include "untNoteIcon.h"
#include "untParam.h"
#include "untScrollBarEx.h"
#include "untSkinImage.h"
#include "untStayOnTop.h"
#include "untUtil.h"
#include "untWindowDrag.h"
#include "untWindowShape.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QUrl>

#include <cmath>

namespace {

constexpr int TitleHeight = 29;
constexpr int ToolbarHeight = 20;
constexpr int CornerSize = 6;
constexpr int ArrowPanelWidth = 29;
constexpr int LeftSpacerWidth = 8;
constexpr int ResizePanelWidth = 16;
constexpr int GripSize = 8;
const QColor FrameColor(191, 200, 196);

// The schemes a click on a URL may open: web pages, mail and local files.
bool IsOpenableUrl(const QUrl& url) {
    static const QStringList schemes = {QStringLiteral("http"), QStringLiteral("https"),
                                        QStringLiteral("ftp"), QStringLiteral("mailto"),
                                        QStringLiteral("file")};
    return url.isValid() && schemes.contains(url.scheme().toLower());
}

TSkinImage* NewImage(QWidget* parent, const char* name, const QString& picture = {}) {
    auto* image = new TSkinImage(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->LoadPicture(picture);
    return image;
}

QWidget* NewPanel(QWidget* parent, const char* name) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    return panel;
}

} // namespace

TfmNote::TfmNote(NoteMode mode, QWidget* container)
    : QWidget(mode == NoteMode::Memoboard ? container : nullptr), FMode(mode) {
    setObjectName(QStringLiteral("fmNote"));
    if (isWindow()) {
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
        setWindowIcon(NoteWindowIcon());
    }
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    setMinimumSize(MinimumWidth, MinimumHeight);
    FColor = ReadSetting(SysConfig::NoteColor);
    FInMemoboard = mode == NoteMode::Memoboard;

    CreateChrome();
    CreateContent();
    if (IsPreview()) {
        FImgEdit->setEnabled(false);
        FImgTitle->setEnabled(false);
        FImgAlarm->setEnabled(false);
        FRetShow->setReadOnly(true);
        ApplyColor();
    }

    FStateTimer.setSingleShot(true);
    FStateTimer.setInterval(1);
    connect(&FStateTimer, &QTimer::timeout, this, [this] { Guarded(&TfmNote::stateTimerTimer); });

    resize(DefaultWidth, DefaultHeight);
    LayoutChrome();
}

TfmNote::~TfmNote() = default;

void TfmNote::CreateChrome() {
    FImgTitle = NewImage(this, "imgTitle");
    FImgIcon = NewImage(this, "imgIcon", QStringLiteral("n_title"));
    FImgIcon->setAttribute(Qt::WA_TransparentForMouseEvents);
    FImgEdit = NewImage(this, "imgEdit", QStringLiteral("n_edit"));
    FImgAlarm = NewImage(this, "imgAlarm", QStringLiteral("n_alarm"));
    FImgAlarm->hide();
    FImgTitle->installEventFilter(this);
    FImgEdit->installEventFilter(this);
    FImgAlarm->installEventFilter(this);
    auto* titleDrag = new WindowDragHelper(FImgTitle, this);
    connect(titleDrag, &WindowDragHelper::DragFinished, this, [this] {
        if (!IsPreview())
            NoteDB::SavePosition(FNoteId, pos());
    });
    CreateFrame();
    CreateToolbar();
}

void TfmNote::CreateFrame() {
    FImgTopborder = NewImage(this, "imgTopborder");
    FImgBottomborder = NewImage(this, "imgBottomborder");
    FImgLeftborder = NewImage(this, "imgLeftborder");
    FImgRightborder = NewImage(this, "imgRightborder");
    for (TSkinImage* line : {FImgTopborder, FImgBottomborder, FImgLeftborder, FImgRightborder}) {
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, FrameColor);
        line->setPalette(palette);
        line->setAutoFillBackground(true);
    }
    // The bottom corner pieces lie above the bottom line.
    FImgTopleft = NewImage(this, "imgTopleft", QStringLiteral("n_topleft"));
    FImgTopright = NewImage(this, "imgTopright", QStringLiteral("n_topright"));
    FImgBottomleft = NewImage(this, "imgBottomleft", QStringLiteral("n_bottomleft"));
    FImgBottomright = NewImage(this, "imgBottomright", QStringLiteral("n_bottomright"));
}

void TfmNote::CreateToolbar() {
    FPnlToolbar = NewPanel(this, "pnlToolbar");
    NewPanel(FPnlToolbar, "pnlLeftBorder")->setGeometry(0, 0, LeftSpacerWidth, ToolbarHeight);
    QWidget* pnlArrow = NewPanel(FPnlToolbar, "pnlArrow");
    pnlArrow->setGeometry(LeftSpacerWidth, 0, ArrowPanelWidth, ToolbarHeight);
    FPnlBar = NewPanel(FPnlToolbar, "pnlBar");
    FPnlResize = NewPanel(FPnlToolbar, "pnlResize");
    FPnlResize->resize(ResizePanelWidth, ToolbarHeight);
    FImgResize = NewImage(FPnlResize, "imgResize", QStringLiteral("n_resize2"));
    FImgResize->setGeometry(ResizePanelWidth - 5 - GripSize, ToolbarHeight - 5 - GripSize, GripSize,
                            GripSize);

    FScrollBar = new TScrollBarEx(FPnlBar);
    FScrollBar->move(0, (ToolbarHeight - TScrollBarEx::BarHeight) / 2);
    FScrollBar->hide();
    FArrowBar = new TArrowBar(pnlArrow);
    FArrowBar->move(0, (ToolbarHeight - TArrowBar::BarHeight) / 2);
    FArrowBar->hide();
    connect(FArrowBar, &TArrowBar::OnSyncBar, FScrollBar, &TScrollBarEx::SyncThumb);

    // The frame pieces and the grip are the sizing handles; a resize writes Size (only Size,
    // also after dragging the left or top edge) once the drag ends.
    const std::pair<TSkinImage*, Qt::Edges> handles[] = {
        {FImgLeftborder, Qt::LeftEdge},
        {FImgRightborder, Qt::RightEdge},
        {FImgTopborder, Qt::TopEdge},
        {FImgTopleft, Qt::TopEdge | Qt::LeftEdge},
        {FImgTopright, Qt::TopEdge | Qt::RightEdge},
        {FImgBottomborder, Qt::BottomEdge},
        {FImgBottomleft, Qt::BottomEdge | Qt::LeftEdge},
        {FImgBottomright, Qt::BottomEdge | Qt::RightEdge},
        {FImgResize, Qt::BottomEdge | Qt::RightEdge},
    };
    for (const auto& [handle, edges] : handles) {
        auto* drag = new WindowDragHelper(handle, this, edges);
        connect(drag, &WindowDragHelper::DragFinished, this, [this] {
            if (!IsPreview())
                NoteDB::SaveSize(FNoteId, size());
            UpdateScrollBars();
            FScrollBar->SyncThumb();
        });
    }
}

void TfmNote::CreateContent() {
    FPnlContent = NewPanel(this, "pnlContent");
    FRetShow = new QTextEdit(FPnlContent);
    FRetShow->setObjectName(QStringLiteral("retShow"));
    FRetShow->setFrameShape(QFrame::NoFrame);
    // The skinned bar in the bottom strip drives the text's scroll range instead.
    FRetShow->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FRetShow->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FRetShow->setAutoFillBackground(false);
    FRetShow->viewport()->setAutoFillBackground(false);
    FRetShow->document()->setDocumentMargin(2);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    FRetShow->setFont(font);
    new UrlHighlighter(FRetShow->document());
    FRetShow->installEventFilter(this);
    FRetShow->viewport()->installEventFilter(this);
    FRetShow->viewport()->setMouseTracking(true); // the hand over URLs
    FRetShow->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(FRetShow, &QTextEdit::textChanged, this, [this] { FModified = true; });
    connect(FRetShow, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopEditor()->popup(FRetShow->mapToGlobal(at)); });
    FScrollBar->SetEdit(FRetShow);
    FArrowBar->SetEdit(FRetShow);
}

void TfmNote::CreateNoteMenu() {
    FNotePopupMenu = new QMenu(this);
    FNotePopupMenu->setObjectName(QStringLiteral("NotePopupMenu"));
    FMoveToMenu = FNotePopupMenu->addMenu(QStringLiteral("Move To..."));
    FMoveToMenu->setObjectName(QStringLiteral("menuMoveTo"));
    FColorMenu = new TNoteColorMenu(QStringLiteral("Note Color"), FNotePopupMenu);
    FNotePopupMenu->addMenu(FColorMenu);
    connect(FColorMenu, &TNoteColorMenu::ColorChosen, this,
            [this](int color) { RunGuarded([this, color] { ColorItemClick(color); }); });
    // The shortcuts are only displayed: FormKeyDown handles the keys.
    FMenuOnTheTop = FNotePopupMenu->addAction(QStringLiteral("Always On Top\tCtrl+W"), this,
                                              [this] { Guarded(&TfmNote::menuOnTheTopClick); });
    FMenuOnTheTop->setObjectName(QStringLiteral("menuOnTheTop"));
    FMenuOnTheTop->setCheckable(true);
    FMenuMinimize = FNotePopupMenu->addAction(QStringLiteral("Minimize Note\tCtrl+Q"), this,
                                              [this] { Guarded(&TfmNote::Minimize); });
    FMenuMinimize->setObjectName(QStringLiteral("menuMinimizeNote"));
    FNotePopupMenu
        ->addAction(QStringLiteral("Trash Note\tCtrl+T"), this,
                    [this] { Guarded(&TfmNote::menuTrashNoteClick); })
        ->setObjectName(QStringLiteral("menuTrashNote"));
    FNotePopupMenu
        ->addAction(QStringLiteral("Size to Content  \tCtrl+Shift+E"), this,
                    [this] { Guarded(&TfmNote::menuSizetoConClick); })
        ->setObjectName(QStringLiteral("menuSizetoCon"));
    connect(FNotePopupMenu, &QMenu::aboutToShow, this,
            [this] { Guarded(&TfmNote::NotePopupMenuPopup); });
    UpdateNoteMenuState();
}

QMenu* TfmNote::NotePopupMenu() {
    if (!FNotePopupMenu)
        CreateNoteMenu();
    return FNotePopupMenu;
}

QAction* TfmNote::MenuOnTheTop() {
    NotePopupMenu();
    return FMenuOnTheTop;
}

void TfmNote::UpdateNoteMenuState() {
    if (!FNotePopupMenu)
        return;
    FMenuOnTheTop->setChecked(FOnTop);
    FMenuOnTheTop->setEnabled(!FInMemoboard);
    FMenuMinimize->setEnabled(!FInMemoboard);
}

void TfmNote::CreateTextMenu() {
    FPopEditor = new QMenu(this);
    FPopEditor->setObjectName(QStringLiteral("popEditor"));
    const auto add = [this](const char* name, const QString& caption, auto handler) {
        QAction* item = FPopEditor->addAction(caption, this, handler);
        item->setObjectName(QString::fromLatin1(name));
        return item;
    };
    FItmCut = add("itmCut", QStringLiteral("Cut\tCtrl+X"), [this] { FRetShow->cut(); });
    FItmCopy = add("itmCopy", QStringLiteral("Copy\tCtrl+C"), [this] { FRetShow->copy(); });
    add("itmPaste", QStringLiteral("Paste\tCtrl+V"), [this] { FRetShow->paste(); });
    FPopEditor->addSeparator();
    add("itmFont", QStringLiteral("Edit Note"), [this] { emit EditRequested(); });
    add("itmSA", QStringLiteral("Select All\tCtrl+A"), [this] { FRetShow->selectAll(); });
    add("itmInsertDT", QStringLiteral("Insert Date and Time \tCtrl+D"),
        [this] { itmInsertDTClick(); });
    FPopEditor->addSeparator();
    add("itmTrash", QStringLiteral("Trash Note\tCtrl+T"),
        [this] { Guarded(&TfmNote::menuTrashNoteClick); });
    connect(FPopEditor, &QMenu::aboutToShow, this, &TfmNote::popEditorPopup);
}

QMenu* TfmNote::PopEditor() {
    if (!FPopEditor)
        CreateTextMenu();
    return FPopEditor;
}

void TfmNote::CreateTile() {
    FTile = std::make_unique<TfmNoteMinimize>();
    connect(FTile.get(), &TfmNoteMinimize::RestoreRequested, this,
            [this] { Guarded(&TfmNote::Restore); });
}

TfmNoteMinimize* TfmNote::Tile() {
    if (!FTile)
        CreateTile();
    return FTile.get();
}

void TfmNote::LayoutChrome() {
    const int w = width();
    const int h = height();
    FImgTitle->setGeometry(5, 2, w - 10, TitleHeight);
    FImgIcon->setGeometry(w / 2 - FImgIcon->sizeHint().width() / 2, 5, FImgIcon->sizeHint().width(),
                          FImgIcon->sizeHint().height());
    const QSize editSize = FImgEdit->sizeHint();
    const int iconTop = TitleHeight / 2 - editSize.height() / 2 + 4;
    FImgEdit->setGeometry(4, iconTop, editSize.width(), editSize.height());
    FImgAlarm->setGeometry(w - 20 - 9, iconTop, 20, 24);

    FImgTopleft->setGeometry(0, 0, CornerSize, CornerSize);
    FImgTopright->setGeometry(w - CornerSize, 0, CornerSize, CornerSize);
    FImgBottomleft->setGeometry(0, h - CornerSize, CornerSize, CornerSize);
    FImgBottomright->setGeometry(w - CornerSize, h - CornerSize, CornerSize, CornerSize);
    FImgTopborder->setGeometry(CornerSize, 0, w - 2 * CornerSize, 1);
    FImgLeftborder->setGeometry(0, CornerSize, 1, h - 2 * CornerSize);
    FImgRightborder->setGeometry(w - 1, CornerSize, 1, h - 2 * CornerSize);
    FImgBottomborder->setGeometry(0, h - 1, w - 2, 1);

    FPnlToolbar->setGeometry(5, h - 2 - ToolbarHeight, w - 10, ToolbarHeight);
    const int barLeft = LeftSpacerWidth + ArrowPanelWidth;
    FPnlResize->move(FPnlToolbar->width() - ResizePanelWidth, 0);
    FPnlBar->setGeometry(barLeft, 0, FPnlToolbar->width() - barLeft - ResizePanelWidth,
                         ToolbarHeight);
    LayoutContent();
}

void TfmNote::LayoutContent() {
    FPnlContent->setGeometry(5, TitleHeight + 2, width() - 10,
                             height() - TitleHeight - 4 - ToolbarHeight);
    FRetShow->setGeometry(0, 0, FPnlContent->width(), FPnlContent->height());
}

void TfmNote::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutChrome();
    setMask(RoundedRegion(size(), 9));
    UpdateScrollBars();
}

void TfmNote::UpdateScrollBars() {
    const QScrollBar* bar = FRetShow->verticalScrollBar();
    const bool fits = bar->maximum() <= bar->minimum();
    if (fits) {
        FScrollBar->hide();
        FArrowBar->hide();
    } else if (FScrollBar->isHidden()) {
        FScrollBar->show();
        FArrowBar->show();
        FScrollBar->SyncThumb();
    }
}

void TfmNote::ApplyColor() {
    PaintColor(IsPreview() ? LightenColor(FColor) : FColor);
}

void TfmNote::PaintColor(int color) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ColorFromValue(color));
    palette.setColor(QPalette::Base, ColorFromValue(color));
    setPalette(palette);
}

void TfmNote::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    ApplyColor();
    UpdateReminderIcon();
    UpdateScrollBars();
    LayoutContent();
    UpdateNoteMenuState();
    if (IsDesktopNote())
        AnimateNoteShow(*this, FMinimizing ? NoteAnimation::Roll : NoteAnimation::Centre);
}

void TfmNote::closeEvent(QCloseEvent* event) {
    // The hide animation plays first; the close proper follows when it ends.
    if (!IsPreview() && !FCloseAnimated && IsDesktopNote() && isVisible() && AnimationsEnabled()) {
        event->ignore();
        FCloseAnimated = true;
        AnimateNoteHide(*this, NoteAnimation::Centre, [this] { close(); });
        return;
    }
    SaveIfModified();
    FTile.reset();
    if (IsDesktopNote() && !IsPreview())
        emit UnregisterRequested(FNoteId);
    else if (FMode == NoteMode::Memoboard)
        emit MemoboardNoteClosed(FNoteId);
    event->accept();
}

void TfmNote::UpdateReminderIcon() {
    if (FHasReminder) {
        FImgAlarm->LoadPicture(Clock::Now() >= FReminderTime ? QStringLiteral("n_alarm_timeto")
                                                             : QStringLiteral("n_alarm"));
    }
    FImgAlarm->setVisible(FHasReminder);
}

void TfmNote::ShowReminderDue() {
    FImgAlarm->LoadPicture(QStringLiteral("n_alarm_timeto"));
}

void TfmNote::SetOnTopStyle(bool on) {
    FOnTop = on;
    if (FMenuOnTheTop)
        FMenuOnTheTop->setChecked(on);
    if (isWindow())
        SetStaysOnTop(*this, on);
}

void TfmNote::menuOnTheTopClick() {
    if (FInMemoboard)
        return;
    SetOnTopStyle(!FOnTop);
    NoteDB::SetOnTop(FNoteId, FOnTop);
    FParentId = 0;
}

void TfmNote::MinimizeToTile() {
    Tile()->move(pos());
    FTile->SetNoteColor(FColor);
    SetStaysOnTop(*FTile, FOnTop);
    FState = NoteState::Minimized;
    FMinimizing = true;
    AnimateNoteHide(*this, NoteAnimation::Roll, [this] {
        hide();
        FMinimizing = false;
        if (FState == NoteState::Minimized)
            FTile->show();
    });
}

void TfmNote::Minimize() {
    if (FInMemoboard || IsPreview())
        return;
    MinimizeToTile();
    NoteDB::SetState(FNoteId, NoteState::Minimized);
}

void TfmNote::Restore() {
    move(Tile()->pos());
    FTile->hide();
    FMinimizing = true;
    show();
    FState = NoteState::Shown;
    NoteDB::SetState(FNoteId, NoteState::Shown);
    FMinimizing = false;
}

void TfmNote::menuTrashNoteClick() {
    if (IsPreview())
        return;
    NoteDB::SetState(FNoteId, NoteState::Trashed);
    FState = NoteState::Trashed;
    emit DueListChanged();
    close();
}

void TfmNote::menuSizetoConClick() {
    const int h = FRetShow->height();
    const int s = static_cast<int>(std::ceil(FRetShow->document()->size().height())) +
                  FRetShow->font().pointSize();
    if (s != h)
        resize(width(), height() + s - h);
    LayoutContent();
    if (!IsPreview())
        NoteDB::SaveSize(FNoteId, size());
    UpdateScrollBars();
}

void TfmNote::ColorItemClick(int color) {
    FColor = color;
    ApplyColor();
    if (!IsPreview())
        NoteDB::SaveColor(FNoteId, FColor);
}

void TfmNote::MoveToClick(int tabId) {
    const int oldParent = FParentId;
    NoteDB::MoveNote(tabId, FNoteId, oldParent);
    if (tabId != 0) {
        close();
        emit MovedToTab(FNoteId, tabId);
        return;
    }
    // Back to the desktop: the note opens again as a desktop note where it is now.
    const QPoint place = mapToGlobal(QPoint(0, 0));
    NoteDB::SavePosition(FNoteId, place);
    if (oldParent != 0)
        close();
    emit ReopenRequested(FNoteId);
}

void TfmNote::NotePopupMenuPopup() {
    ClearMenu(*FMoveToMenu);
    TMenuItem root;
    root.Tag = FInMemoboard ? FParentId : 0;
    MemoboardDB store;
    store.SetItemMeasure(true);
    store.FillMemoboardMenu(root, true, 0);
    FillMenu(*FMoveToMenu, root.Items, root.Tag,
             [this](int, int tabId) { RunGuarded([this, tabId] { MoveToClick(tabId); }); });
    FMoveToMenu->setEnabled(!root.Items.empty());
}

void TfmNote::popEditorPopup() {
    const bool selected = FRetShow->textCursor().hasSelection();
    FItmCut->setEnabled(selected && !FRetShow->isReadOnly());
    FItmCopy->setEnabled(selected);
}

void TfmNote::itmInsertDTClick() {
    if (FRetShow->isReadOnly())
        return;
    const QDateTime now = Clock::Now();
    const QLocale locale;
    FRetShow->textCursor().insertText(locale.toString(now.date(), QLocale::ShortFormat) +
                                      QLatin1Char(' ') +
                                      locale.toString(now.time(), QLocale::LongFormat));
}

void TfmNote::SaveIfModified() {
    if (!FModified || IsPreview())
        return;
    if (NoteDB::SaveContent(FNoteId, PlainText(), RtfText()))
        FModified = false;
    NoteDB::TouchModified(FNoteId);
}

void TfmNote::SetTypingFont(const QString& family, int pointSize) {
    QTextCharFormat format;
    format.setFontFamilies({family});
    format.setFontPointSize(pointSize);
    FRetShow->mergeCurrentCharFormat(format);
}

void TfmNote::AppendTextLine(const QString& line) {
    QTextCursor cursor(FRetShow->document());
    cursor.movePosition(QTextCursor::End);
    if (!FRetShow->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(line);
}

void TfmNote::DeactivateInMemoboard() {
    PaintColor(LightenColor(FColor));
    if (!FModified)
        return;
    UpdateScrollBars();
    SaveIfModified();
}

QString TfmNote::PlainText() const {
    return FRetShow->toPlainText();
}

QByteArray TfmNote::RtfText() const {
    return RtfWriter::Write(*FRetShow->document());
}

void TfmNote::TakeStoredValues(const NoteRecord& record) {
    FNoteId = record.id;
    FParentId = record.parentId;
    FColor = record.color;
    FOnTop = record.onTop;
    FHasReminder = record.hasReminder;
    if (!FHasReminder)
        return;
    FReminderTime = record.reminderTime;
    FRepeatCount = record.repeatCount;
    FRepeatUnit = record.repeatUnit;
}

void TfmNote::LoadText(const QByteArray& rtf, const QString& plainText) {
    // A row whose Rtf is not RTF (or empty) shows its plain text.
    if (!RtfReader::Read(rtf, *FRetShow->document()))
        FRetShow->setPlainText(plainText);
}

void TfmNote::InsertIntoStore() {
    FNoteId = NoteDB::InsertNote({.parentId = FParentId,
                                  .color = FColor,
                                  .onTop = FOnTop,
                                  .position = pos(),
                                  .size = size(),
                                  .plainText = PlainText(),
                                  .rtf = RtfText()});
}

void TfmNote::SetColor(int color) {
    FColor = color;
    ApplyColor();
}

void TfmNote::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && IsDesktopNote())
        ActivationChanged(isActiveWindow());
}

void TfmNote::ActivationChanged(bool active) {
    FActive = active;
    if (active) {
        FStateTimer.stop();
        ApplyColor();
        return;
    }
    if (FModified)
        UpdateScrollBars();
    if (!IsPreview())
        FStateTimer.start();
}

void TfmNote::stateTimerTimer() {
    if (FActive)
        return;
    PaintColor(LightenColor(FColor));
    SaveIfModified();
}

void TfmNote::keyPressEvent(QKeyEvent* event) {
    if (!FormKeyDown(*event))
        QWidget::keyPressEvent(event);
}

bool TfmNote::FormKeyDown(const QKeyEvent& key) {
    if (IsPreview())
        return false;
    const Qt::KeyboardModifiers modifiers =
        key.modifiers() &
        (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
        if (key.key() != Qt::Key_S)
            return false;
        Guarded(&TfmNote::menuSizetoConClick);
        return true;
    }
    if (modifiers != Qt::ControlModifier)
        return false;
    switch (key.key()) {
    case Qt::Key_T:
        Guarded(&TfmNote::menuTrashNoteClick);
        return true;
    case Qt::Key_D:
        itmInsertDTClick();
        return true;
    case Qt::Key_W:
        Guarded(&TfmNote::menuOnTheTopClick);
        return true;
    case Qt::Key_Q:
        Guarded(&TfmNote::Minimize);
        return true;
    default:
        return false;
    }
}

QUrl TfmNote::UrlAtPoint(const QPoint& position) const {
    QString address = FRetShow->anchorAt(position);
    if (address.isEmpty()) {
        const QTextCursor cursor = FRetShow->cursorForPosition(position);
        const QTextBlock block = cursor.block();
        if (const std::optional<UrlSpan> span =
                UrlAt(block.text(), cursor.position() - block.position()))
            address = span->url;
    }
    const QUrl url(address);
    return IsOpenableUrl(url) ? url : QUrl();
}

void TfmNote::retShowURLClick(const QPoint& position) {
    const QUrl url = UrlAtPoint(position);
    if (!url.isEmpty())
        QDesktopServices::openUrl(url);
}

bool TfmNote::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == FRetShow && type == QEvent::KeyPress)
        return FormKeyDown(*static_cast<QKeyEvent*>(event));
    if (type == QEvent::Wheel && watched == FRetShow->viewport())
        FScrollBar->SyncThumb();
    if (type == QEvent::MouseMove && watched == FRetShow->viewport()) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        FRetShow->viewport()->setCursor(UrlAtPoint(at).isEmpty() ? Qt::IBeamCursor
                                                                 : Qt::PointingHandCursor);
    }
    if (type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched == FImgTitle && mouse->button() == Qt::RightButton)
        NotePopupMenu()->popup(mouse->globalPosition().toPoint());
    if (mouse->button() == Qt::LeftButton)
        LeftClick(watched, mouse->position().toPoint());
    return QWidget::eventFilter(watched, event);
}

void TfmNote::LeftClick(QObject* watched, const QPoint& position) {
    if (watched == FImgEdit && FImgEdit->isEnabled())
        emit EditRequested();
    else if (watched == FImgAlarm && FImgAlarm->isEnabled())
        emit ReminderRequested();
    else if (watched == FRetShow->viewport() && !FRetShow->textCursor().hasSelection())
        retShowURLClick(position);
}

void TfmNote::Guarded(void (TfmNote::*action)()) {
    RunGuarded([this, action] { (this->*action)(); });
}
