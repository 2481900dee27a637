// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmNote.h"

#include "RtfReader.h"
#include "RtfWriter.h"
#include "UrlDetector.h"
#include "UrlHighlighter.h"
#include "frmNoteMinimize.h"
#include "untArrowBar.h"
#include "untClock.h"
#include "untDateTime.h"
#include "untErrorBoundary.h"
#include "untMenuModel.h"
#include "untNoteAnimation.h"
#include "untNoteColors.h"
#include "untParam.h"
#include "untScrollBarEx.h"
#include "untStayOnTop.h"
#include "untTaskbarSkip.h"
#include "untTextFormat.h"
#include "untTruePlace.h"
#include "untUtil.h"
#include "untWindowDrag.h"
#include "untWindowShape.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QUrl>
#include <QWindow>

#include <cmath>
#include <utility>

namespace {

constexpr int TitleHeight = TNoteChrome::TitleHeight;
constexpr int ToolbarHeight = TNoteChrome::ToolbarHeight;

// The schemes a click on a URL may open: web pages, mail and local files.
bool IsOpenableUrl(const QUrl& url) {
    static const QStringList schemes = {QStringLiteral("http"), QStringLiteral("https"),
                                        QStringLiteral("ftp"), QStringLiteral("mailto"),
                                        QStringLiteral("file")};
    return url.isValid() && schemes.contains(url.scheme().toLower());
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
        KeepOffTaskbar(*this);
        KeepTruePlace(*this);
    }
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    setMinimumSize(MinimumWidth, MinimumHeight);
    FColor = ReadSetting(SysConfig::NoteColor);
    FInMemoboard = mode == NoteMode::Memoboard;

    CreateChrome();
    CreateContent();
    if (IsPreview()) {
        FRetShow->setReadOnly(true);
        ApplyColor();
    }

    FStateTimer.setSingleShot(true);
    FStateTimer.setInterval(1);
    connect(&FStateTimer, &QTimer::timeout, this, [this] { Guarded(&TfmNote::stateTimerTimer); });
    FAutosaveTimer.setSingleShot(true);
    connect(&FAutosaveTimer, &QTimer::timeout, this,
            [this] { Guarded(&TfmNote::AutosaveTimerTimer); });

    resize(DefaultWidth, DefaultHeight);
    LayoutChrome();
}

TfmNote::~TfmNote() = default;

void TfmNote::CreateChrome() {
    // One drag handle, the window itself, for the title strip and the frame's sizing pieces;
    // the mouse tracking shows the sizing cursors.
    setMouseTracking(true);
    FChrome.Layout(QSize(DefaultWidth, DefaultHeight));
    FDrag = new WindowDragHelper(this, this, [this](const QPoint& at) { return HandleAt(at); });
    connect(FDrag, &WindowDragHelper::DragFinished, this, &TfmNote::ChromeDragFinished);
    CreateToolbar();
}

void TfmNote::CreateToolbar() {
    // The skinned bars take their panel's width when they are made.
    FPnlArrow = NewPanel(this, "pnlArrow");
    FPnlArrow->resize(FChrome.Rect(ChromePart::pnlArrow).size());
    FPnlBar = NewPanel(this, "pnlBar");
    FScrollBar = new TScrollBarEx(FPnlBar);
    FScrollBar->move(0, (ToolbarHeight - TScrollBarEx::BarHeight) / 2);
    FScrollBar->hide();
    FArrowBar = new TArrowBar(FPnlArrow);
    FArrowBar->move(0, (ToolbarHeight - TArrowBar::BarHeight) / 2);
    FArrowBar->hide();
    connect(FArrowBar, &TArrowBar::OnSyncBar, FScrollBar, &TScrollBarEx::SyncThumb);
}

std::optional<Qt::Edges> TfmNote::HandleAt(const QPoint& point) const {
    const std::optional<ChromePart> part = FChrome.PartAt(point, FAlarmShown);
    if (!part)
        return std::nullopt;
    if (*part == ChromePart::imgTitle) {
        if (IsPreview())
            return std::nullopt; // a preview's title strip does not move it
        return Qt::Edges();
    }
    const Qt::Edges edges = TNoteChrome::SizingEdges(*part);
    if (!edges)
        return std::nullopt;
    return edges;
}

void TfmNote::ChromeDragFinished() {
    if (FDrag->Edges()) {
        FrameDragFinished(FDrag->StartGeometry().topLeft());
        return;
    }
    if (!IsPreview())
        SavePlace();
}

void TfmNote::FrameDragFinished(const QPoint& placeBefore) {
    if (!IsPreview()) {
        NoteDB::SaveSize(FNoteId, size());
        if (pos() != placeBefore)
            SavePlace();
    }
    UpdateScrollBars();
    FScrollBar->SyncThumb();
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
    connect(FRetShow, &QTextEdit::textChanged, this, [this] {
        FModified = true;
        if (!IsPreview())
            FAutosaveTimer.start(AutosaveDelayMs); // restarted by every change: saves on a pause
    });
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
        ->addAction(QStringLiteral("Size to Content  \tCtrl+Shift+S"), this,
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
    FChrome.Layout(size());
    FPnlArrow->setGeometry(FChrome.Rect(ChromePart::pnlArrow));
    FPnlBar->setGeometry(FChrome.Rect(ChromePart::pnlBar));
    LayoutContent();
}

QRect TfmNote::ChromeRect(const QString& name) const {
    const std::optional<ChromePart> part = TNoteChrome::PartNamed(name);
    return part ? FChrome.Rect(*part) : QRect();
}

void TfmNote::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    FChrome.Paint(painter, devicePixelRatioF(), FAlarmShown ? FAlarmPicture : QString());
}

void TfmNote::mousePressEvent(QMouseEvent* event) {
    FPressedPart = FChrome.PartAt(event->position().toPoint(), FAlarmShown);
    QWidget::mousePressEvent(event);
}

void TfmNote::mouseReleaseEvent(QMouseEvent* event) {
    // A click belongs to the piece it was pressed on, as it would to a child widget.
    const std::optional<ChromePart> part = std::exchange(FPressedPart, std::nullopt);
    if (part && !IsPreview())
        ChromeClick(*part, *event);
    QWidget::mouseReleaseEvent(event);
}

void TfmNote::ChromeClick(ChromePart part, const QMouseEvent& mouse) {
    if (part == ChromePart::imgTitle && mouse.button() == Qt::RightButton)
        NotePopupMenu()->popup(mouse.globalPosition().toPoint());
    else if (part == ChromePart::imgEdit && mouse.button() == Qt::LeftButton)
        emit EditRequested();
    else if (part == ChromePart::imgAlarm && mouse.button() == Qt::LeftButton)
        emit ReminderRequested();
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
    if (FShowingLoaded)
        PaintColor(LightenColor(FColor));
    else
        ApplyColor();
    UpdateReminderIcon();
    UpdateScrollBars();
    LayoutContent();
    UpdateNoteMenuState();
    if (IsDesktopNote() && !FShowingLoaded)
        AnimateNoteShow(*this, FMinimizing ? NoteAnimation::Roll : NoteAnimation::Centre);
}

void TfmNote::ShowLoaded() {
    if (!IsDesktopNote()) {
        show();
        return;
    }
    // Qt reads the attribute when it makes the native window and the window's property when
    // it maps it: both are set for this one show only.
    FShowingLoaded = true;
    setAttribute(Qt::WA_ShowWithoutActivating);
    winId();
    windowHandle()->setProperty("_q_showWithoutActivating", true);
    show();
    windowHandle()->setProperty("_q_showWithoutActivating", QVariant());
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    FShowingLoaded = false;
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
        FAlarmPicture = Clock::Now() >= FReminderTime ? QStringLiteral("n_alarm_timeto")
                                                      : QStringLiteral("n_alarm");
    }
    FAlarmShown = FHasReminder;
    update(FChrome.Rect(ChromePart::imgAlarm));
}

void TfmNote::ShowReminderDue() {
    FAlarmPicture = QStringLiteral("n_alarm_timeto");
    update(FChrome.Rect(ChromePart::imgAlarm));
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
    FTile->setToolTip(FirstLine());
    SetStaysOnTop(*FTile, FOnTop);
    FState = NoteState::Minimized;
    FMinimizing = true;
    AnimateNoteHide(*this, NoteAnimation::Roll, [this] {
        // The tile shows before the note hides: a window first mapped just after another
        // program window was hidden is told by the X11 platform that it lies at 0,0, and a drag
        // of the tile or a restore would start from there.
        if (FState == NoteState::Minimized)
            FTile->show();
        hide();
        FMinimizing = false;
    });
}

void TfmNote::Minimize() {
    if (FInMemoboard || IsPreview())
        return;
    MinimizeToTile();
    NoteDB::SetState(FNoteId, NoteState::Minimized);
}

void TfmNote::Restore() {
    // The note comes back where its tile lies; a tile dragged elsewhere moves the note for good.
    const QPoint place = Tile()->pos();
    const bool moved = place != pos();
    move(place);
    FTile->hide();
    FMinimizing = true;
    show();
    FState = NoteState::Shown;
    NoteDB::SetState(FNoteId, NoteState::Shown);
    if (moved)
        SavePlace();
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
    BuildMoveToMenu(*FMoveToMenu);
}

void TfmNote::BuildMoveToMenu(QMenu& menu) {
    ClearMenu(menu);
    TMenuItem root;
    root.Tag = FInMemoboard ? FParentId : 0;
    MemoboardDB store;
    store.SetItemMeasure(true);
    store.FillMemoboardMenu(root, true, 0);
    FillMenu(menu, root.Items, root.Tag,
             [this](int, int tabId) { RunGuarded([this, tabId] { MoveToClick(tabId); }); });
    menu.setEnabled(!root.Items.empty());
}

void TfmNote::popEditorPopup() {
    const bool selected = FRetShow->textCursor().hasSelection();
    FItmCut->setEnabled(selected && !FRetShow->isReadOnly());
    FItmCopy->setEnabled(selected);
}

void TfmNote::itmInsertDTClick() {
    if (FRetShow->isReadOnly())
        return;
    FRetShow->textCursor().insertText(DateTimeText::ForDisplay(Clock::Now()));
}

void TfmNote::SaveIfModified() {
    if (IsPreview())
        return;
    // After a failed write the next would wait out the same busy or full database: the rest is
    // left to the next try.
    if (FPlaceUnsaved)
        SavePlace();
    if (!FModified || FPlaceUnsaved)
        return;
    if (!NoteDB::SaveContent(FNoteId, PlainText(), RtfText()))
        return;
    FModified = false;
    NoteDB::TouchModified(FNoteId);
}

void TfmNote::SavePlace() {
    FPlaceUnsaved = !NoteDB::SavePosition(FNoteId, pos());
    if (FPlaceUnsaved)
        FAutosaveTimer.start(AutosaveRetryMs);
}

void TfmNote::AutosaveTimerTimer() {
    SaveIfModified();
    if (HasUnsavedChanges())
        FAutosaveTimer.start(AutosaveRetryMs);
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

QString TfmNote::FirstLine() const {
    const QString block = FRetShow->document()->firstBlock().text();
    return block.section(QChar::LineSeparator, 0, 0);
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

void TfmNote::SetReminderValues(bool hasReminder, const QDateTime& time, int repeatCount,
                                int repeatUnit) {
    FHasReminder = hasReminder;
    FReminderTime = time;
    FRepeatCount = repeatCount;
    FRepeatUnit = repeatUnit;
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
    case Qt::Key_B:
        TextFormat::ToggleBold(*FRetShow);
        return true;
    case Qt::Key_I:
        TextFormat::ToggleItalic(*FRetShow);
        return true;
    case Qt::Key_U:
        TextFormat::ToggleUnderline(*FRetShow);
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
    if (url.isEmpty())
        return;
    // An attached file that was deleted or moved away: say so instead of silently failing.
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        ShowError(QStringLiteral("The attached file \"%1\" can no longer be found.")
                      .arg(url.toLocalFile()));
        return;
    }
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
    if (type == QEvent::MouseButtonRelease && watched == FRetShow->viewport()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && !FRetShow->textCursor().hasSelection())
            retShowURLClick(mouse->position().toPoint());
    }
    return QWidget::eventFilter(watched, event);
}

void TfmNote::Guarded(void (TfmNote::*action)()) {
    RunGuarded([this, action] { (this->*action)(); });
}
