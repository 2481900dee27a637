// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmEditor.h"

#include "frmNote.h"
#include "frmNoteInfo.h"
#include "untAlarmDB.h"
#include "untClock.h"
#include "untDateTime.h"
#include "untEditorColors.h"
#include "untEditorImage.h"
#include "untErrorBoundary.h"
#include "untFileChooser.h"
#include "untMenuModel.h"
#include "untNoteAnimation.h"
#include "untNoteColors.h"
#include "untNoteInsert.h"
#include "untNotePrint.h"
#include "untQuickReminder.h"
#include "untSkinImage.h"
#include "untStayOnTop.h"
#include "untSwatchMenu.h"
#include "untTextFormat.h"
#include "untWindowShape.h"

#include <QActionGroup>
#include <QApplication>
#include <QFontComboBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTextEdit>
#include <QTimer>

namespace {

constexpr int CornerDiameter = 9;
const QRect ContentArea(10, 34, 221, 127);
constexpr int SwatchItemWidth = 80;

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, const QPoint& place,
                 int pixelSize) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(pixelSize);
    label->setFont(tahoma);
    label->move(place);
    label->adjustSize();
    return label;
}

// The note's rectangle on the screen, for a desktop note and a note on a tab page alike.
QRect ScreenRect(const QWidget& note) {
    return {note.mapToGlobal(QPoint(0, 0)), note.size()};
}

} // namespace

TfmEditor::TfmEditor(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("fmEditor"));
    setWindowTitle(QStringLiteral("Note Editor"));
    // Showing and clicking the palette leave the note the active window.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(EditorWidth, EditorHeight);

    FImage1 = new TSkinImage(this);
    FImage1->setObjectName(QStringLiteral("Image1"));
    FImage1->LoadPicture(QStringLiteral("editor_bg"));
    FImage1->setGeometry(rect());
    CreatePages();
    CreateMenus();
    FImgClose = new TEditorImage(this, "imgClose", QRect(212, 13, 16, 15), QStringLiteral("Close"),
                                 QStringLiteral("editor_close"));
    connect(FImgClose, &TEditorImage::Clicked, this, &TfmEditor::HideEditor);
    imgFontClick(true);
    ShowReminderInfo();
}

TfmEditor::~TfmEditor() = default;

void TfmEditor::CreatePages() {
    FImgFont = new TEditorImage(this, "imgFont", QRect(13, 12, 80, 22), {}, QStringLiteral("tab2"));
    FImgNote = new TEditorImage(this, "imgNote", QRect(94, 12, 80, 22), {}, QStringLiteral("tab2"));
    for (TEditorImage* tab : {FImgFont, FImgNote}) {
        tab->SetLatchedPicture(QStringLiteral("tab3"));
        tab->setCursor(Qt::ArrowCursor);
    }
    connect(FImgFont, &TEditorImage::Clicked, this, [this] { imgFontClick(true); });
    connect(FImgNote, &TEditorImage::Clicked, this, [this] { imgFontClick(false); });
    // The labels let the mouse through to their tab, which does what a click on them does.
    for (const auto& [tab, name, text] :
         {std::tuple{FImgFont, "lblFont", "Font"}, std::tuple{FImgNote, "lblNote", "Note"}}) {
        QLabel* label = NewLabel(tab, name, QString::fromLatin1(text), {}, 13);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setGeometry(tab->rect());
        label->setAlignment(Qt::AlignCenter);
    }

    FContentPnl = new QWidget(this);
    FContentPnl->setObjectName(QStringLiteral("ContentPnl"));
    FContentPnl->setGeometry(ContentArea);
    FFontPnl = new QWidget(FContentPnl);
    FFontPnl->setObjectName(QStringLiteral("FontPnl"));
    FNotePnl = new QWidget(FContentPnl);
    FNotePnl->setObjectName(QStringLiteral("NotePnl"));
    for (const auto& [page, name, picture] : {std::tuple{FFontPnl, "FontImg", "editor_font"},
                                              std::tuple{FNotePnl, "NoteImg", "editor_note"}}) {
        page->setGeometry(FContentPnl->rect());
        auto* background = new TSkinImage(page);
        background->setObjectName(QString::fromLatin1(name));
        background->LoadPicture(QString::fromLatin1(picture));
        background->setGeometry(page->rect());
    }
    CreateFontPage();
    CreateNotePage();
}

TEditorImage* TfmEditor::AddImage(QWidget* page, const char* name, const QRect& geometry,
                                  const char* hint, const char* hover, void (TfmEditor::*click)()) {
    auto* image =
        new TEditorImage(page, name, geometry, QString::fromUtf8(hint), QString::fromLatin1(hover));
    connect(image, &TEditorImage::Clicked, this, click);
    return image;
}

void TfmEditor::CreateFontPage() {
    QWidget* page = FFontPnl;
    FFontName = new QFontComboBox(page);
    FFontName->setObjectName(QStringLiteral("FontName"));
    FFontName->setGeometry(12, 7, 147, 22);
    FFontName->setFocusPolicy(Qt::NoFocus);
    // The palette never has the keyboard, so the list is chosen from, never typed into.
    FFontName->setEditable(false);
    connect(FFontName, &QFontComboBox::currentFontChanged, this, &TfmEditor::FontName_Change);
    FFontSize = new QSpinBox(page);
    FFontSize->setObjectName(QStringLiteral("FontSize"));
    FFontSize->setGeometry(161, 7, 48, 22);
    FFontSize->setFocusPolicy(Qt::NoFocus);
    // 0 is allowed and changes nothing; sizes start at 1 point.
    FFontSize->setRange(0, 1638);
    FFontSize->setValue(8);
    FFontSize->setKeyboardTracking(false);
    connect(FFontSize, &QSpinBox::valueChanged, this, &TfmEditor::FontSize_Change);

    AddImage(page, "Font_PasteImg", {10, 39, 35, 51}, "Paste|", "paste", &TfmEditor::PasteBtnClick);
    FCutImg =
        AddImage(page, "Font_CutImg", {45, 39, 21, 24}, "Cut|", "cut", &TfmEditor::CutBtnClick);
    FCutImg->SetLatchedPicture(QStringLiteral("cut_h"));
    FCopyImg =
        AddImage(page, "Font_CopyImg", {45, 63, 21, 27}, "Copy|", "copy", &TfmEditor::CopyBtnClick);
    FCopyImg->SetLatchedPicture(QStringLiteral("copy_h"));
    FBImg =
        AddImage(page, "Font_BImg", {78, 37, 23, 23}, "Bold|", "bold", &TfmEditor::BoldBtnClick);
    FIImg = AddImage(page, "Font_IImg", {103, 37, 24, 23}, "Italic|", "italic",
                     &TfmEditor::ItalicBtnClick);
    FUImg = AddImage(page, "Font_UImg", {129, 37, 24, 23}, "Underline|", "underline",
                     &TfmEditor::UnderlineBtnClick);
    FAImg =
        AddImage(page, "Font_AImg", {155, 37, 24, 23}, "Color|Formats the selection with a color",
                 "forecolor", &TfmEditor::Font_AImgClick);
    FAbImg = AddImage(page, "Font_AbImg", {181, 37, 24, 23}, "Background|", "hilitecolor",
                      &TfmEditor::Font_AbImgClick);
    FLeftImg = AddImage(page, "Font_LeftImg", {78, 68, 23, 23}, "Align Left", "left",
                        &TfmEditor::LeftBtnClick);
    FCenterImg = AddImage(page, "Font_CenterImg", {103, 68, 24, 23}, "Center", "center",
                          &TfmEditor::CenterBtnClick);
    FRightImg = AddImage(page, "Font_RightImg", {129, 68, 24, 23}, "Align Right", "right",
                         &TfmEditor::RightBtnClick);
    FUndoImg =
        AddImage(page, "Font_UndoImg", {9, 98, 28, 24}, "Undo|", "undo", &TfmEditor::UndoBtnClick);
    FUndoImg->SetLatchedPicture(QStringLiteral("undo_h"));
    FRedoImg =
        AddImage(page, "Font_RedoImg", {40, 98, 28, 24}, "Redo|", "redo", &TfmEditor::RedoBtnClick);
    FRedoImg->SetLatchedPicture(QStringLiteral("redo_h"));
    FListImg = AddImage(page, "Font_ListIimg", {78, 98, 24, 23}, "Bullets|Enter bullet mode",
                        "list", &TfmEditor::BulletsBtnClick);
}

void TfmEditor::CreateNotePage() {
    QWidget* page = FNotePnl;
    AddImage(page, "Note_PrintImg", {7, 7, 24, 23}, "Print|", "printer", &TfmEditor::PrintBtnClick);
    FMemoImg = AddImage(page, "Note_Memo", {31, 7, 25, 23}, "Move to...|", "edtmemoboard",
                        &TfmEditor::Note_MemoClick);
    AddImage(page, "Note_InfoImg", {58, 7, 24, 23}, "Note Info|", "info",
             &TfmEditor::NoteInfoBtnClick);
    FBGColorImg = AddImage(page, "Note_BGColorImg", {84, 7, 24, 23}, "Note Color|", "bgcolor",
                           &TfmEditor::NoteColorBtnClick);
    AddImage(page, "Note_TrashImg", {114, 7, 24, 23}, "Trash Note|", "trash",
             &TfmEditor::Note_TrashImgClick);
    AddImage(page, "Note_PicImg", {7, 37, 24, 23}, "Insert Picture|", "pic",
             &TfmEditor::PictureBtnClick);
    AddImage(page, "Note_ObjImg", {32, 37, 23, 23}, "Attach file|", "obj",
             &TfmEditor::ObjectBtnClick);
    FMinImg = AddImage(page, "Note_MinImg", {60, 37, 24, 23}, "Minimize Note|", "emin",
                       &TfmEditor::Note_MinImgClick);
    FOntheTopImg = AddImage(page, "Note_OntheTopImg", {85, 37, 24, 23}, "Always On Top|",
                            "onthetop", &TfmEditor::Note_OntheTopImgClick);
    FAlarmImg = AddImage(page, "Note_AlarmImg", {7, 67, 20, 23}, "Set Reminder|", "alarm",
                         &TfmEditor::Note_AlarmImgClick);
    FArrowA = AddImage(page, "Note_imgArrowA", {27, 67, 7, 23}, "Quick Set Reminder|", "arrow",
                       &TfmEditor::Note_imgArrowAClick);
    FArrowA->SetCompanion(FAlarmImg);
    FAlarmRImg = AddImage(page, "Note_AlarmRImg", {7, 97, 20, 23}, "Set Repeating Reminder|",
                          "alarm_repeat", &TfmEditor::Note_AlarmImgClick);
    FArrowAP = AddImage(page, "Note_imgArrowAP", {27, 97, 7, 23}, "Quick Set Repeating Reminder|",
                        "arrow", &TfmEditor::Note_imgArrowAPClick);
    FArrowAP->SetCompanion(FAlarmRImg);
    // Unavailable: the repeat row without a reminder, minimise and on-top on a memoboard.
    for (TEditorImage* image : {FMinImg, FOntheTopImg, FAlarmRImg, FArrowAP})
        image->SetDisabledPicture(image->HoverPicture() + QStringLiteral("_h"));
    FLblAlarm = NewLabel(page, "Note_lblAlarm", {}, {47, 72}, 11);
    FLblAlarm->setCursor(Qt::PointingHandCursor);
    FLblAlarm->installEventFilter(this);
    FLblAlarmRep = NewLabel(page, "Note_lblAlarmRep", {}, {47, 101}, 11);
}

void TfmEditor::CreateMenus() {
    FPopFontColor = new TSwatchMenu(this);
    FPopFontColor->setObjectName(QStringLiteral("popFontColor"));
    FPopBGColor = new TSwatchMenu(this);
    FPopBGColor->setObjectName(QStringLiteral("popBGColor"));
    auto* highlightGroup = new QActionGroup(FPopBGColor);
    for (int entry = 0; entry < static_cast<int>(TextColorTable.size()); ++entry) {
        const int text = TextColorTable[static_cast<size_t>(entry)];
        const int highlight = HighlightColorTable[static_cast<size_t>(entry)];
        const QColor textSwatch = text == SystemColorEntry
                                      ? QApplication::palette().color(QPalette::WindowText)
                                      : ColorFromValue(text);
        const QColor highlightSwatch = highlight == SystemColorEntry
                                           ? QApplication::palette().color(QPalette::Base)
                                           : ColorFromValue(highlight);
        FPopFontColor->AddSwatch(entry, textSwatch, textSwatch);
        QAction* radio = FPopBGColor->AddSwatch(entry, highlightSwatch, highlightSwatch);
        radio->setCheckable(true);
        highlightGroup->addAction(radio);
    }
    for (TSwatchMenu* menu : {FPopFontColor, FPopBGColor})
        menu->SetItemWidth(SwatchItemWidth);
    connect(FPopFontColor, &TSwatchMenu::SwatchChosen, this, &TfmEditor::FontColorClick);
    connect(FPopBGColor, &TSwatchMenu::SwatchChosen, this, &TfmEditor::BackColorClick);

    auto* noteColors = new TNoteColorMenu(QString(), this);
    noteColors->setObjectName(QStringLiteral("popNcolor"));
    connect(noteColors, &TNoteColorMenu::ColorChosen, this, &TfmEditor::NoteColorClick);
    FPopNcolor = noteColors;

    FPopMoveTo = new QMenu(this);
    FPopMoveTo->setObjectName(QStringLiteral("popMoveTo"));
    FMenuMoveTo = FPopMoveTo->addMenu(QStringLiteral("Move To..."));
    FMenuMoveTo->setObjectName(QStringLiteral("menuMoveTo"));
    connect(FPopMoveTo, &QMenu::aboutToShow, this, [this] {
        if (FNote)
            RunGuarded([this] { FNote->BuildMoveToMenu(*FMenuMoveTo); });
    });

    FPopAlarm = new QMenu(this);
    FPopAlarm->setObjectName(QStringLiteral("popAlarm"));
    FPopAlarmReapt = new QMenu(this);
    FPopAlarmReapt->setObjectName(QStringLiteral("popAlarmReapt"));
    for (const QuickReminder::RepeatEntry& entry : QuickReminder::RepeatEntries()) {
        QAction* item = FPopAlarmReapt->addAction(entry.caption);
        item->setData(entry.unit);
        connect(item, &QAction::triggered, this,
                [this, entry] { popAlermPMinutesClick(entry.unit, entry.caption); });
    }
}

// --- attaching, showing, placing -------------------------------------------------------------

void TfmEditor::ToggleFor(TfmNote* note) {
    if (note == FNote && isVisible() && !FHiding)
        HideEditor();
    else
        ShowFor(note);
}

void TfmEditor::ShowFor(TfmNote* note) {
    if (!note)
        return;
    Attach(note);
    FHiding = false;
    // Over a memoboard, whose notes are its child windows, the palette stays on top.
    SetStaysOnTop(*this, note->InMemoboard());
    imgFontClick(true);
    ShowReminderInfo();
    ShowOnTopLatch();
    BuildQuickReminderMenu();
    FMinImg->setEnabled(!note->InMemoboard());
    FOntheTopImg->setEnabled(!note->InMemoboard());
    PlaceBesideNote();
    const bool wasVisible = isVisible();
    show();
    raise();
    if (!wasVisible)
        AnimateNoteShow(*this, SlideKind());
    RefreshFromSelection();
}

NoteAnimation TfmEditor::SlideKind() const {
    return FPlacedRight ? NoteAnimation::SlideRight : NoteAnimation::SlideLeft;
}

void TfmEditor::HideEditor() {
    if (isHidden() || FHiding)
        return;
    FHiding = true;
    AnimateNoteHide(*this, SlideKind(), [this] {
        // A show for another note during the slide keeps the palette.
        if (FHiding)
            hide();
        FHiding = false;
    });
}

void TfmEditor::Attach(TfmNote* note) {
    if (note == FWatched)
        return;
    Detach();
    FNote = note;
    FWatched = note;
    note->installEventFilter(this);
    QTextEdit* text = note->retShow();
    const auto refresh = [this] {
        if (isVisible())
            RefreshFromSelection();
    };
    FNoteConnections = {
        connect(text, &QTextEdit::selectionChanged, this, refresh),
        connect(text, &QTextEdit::cursorPositionChanged, this, refresh),
        connect(text, &QTextEdit::currentCharFormatChanged, this, refresh),
        connect(text, &QTextEdit::undoAvailable, this, refresh),
        connect(text, &QTextEdit::redoAvailable, this, refresh),
    };
}

void TfmEditor::Detach() {
    for (const QMetaObject::Connection& connection : std::as_const(FNoteConnections))
        disconnect(connection);
    FNoteConnections.clear();
    if (FWatched)
        FWatched->removeEventFilter(this);
    FWatched = nullptr;
}

void TfmEditor::PlaceBesideNote() {
    if (!FNote)
        return;
    FAnchor = ScreenRect(*FNote);
    const QScreen* screen = FNote->screen();
    const int screenLeft = screen ? screen->geometry().left() : 0;
    // On the left when the whole palette fits there, else on the right.
    FPlacedRight = EditorWidth + Gap > FAnchor.left() - screenLeft;
    const int left =
        FPlacedRight ? FAnchor.left() + FAnchor.width() + Gap : FAnchor.left() - EditorWidth - Gap;
    move(left, FAnchor.top());
}

void TfmEditor::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    setMask(RoundedRegion(size(), CornerDiameter));
}

void TfmEditor::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    FHiding = false;
}

void TfmEditor::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    setMask(RoundedRegion(size(), CornerDiameter));
}

bool TfmEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FLblAlarm && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Note_AlarmImgClick();
        return true;
    }
    if (watched != FWatched)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        if (isVisible())
            PlaceBesideNote();
        break;
    case QEvent::Hide:
        // Minimised, trashed, moved away or closing: the editor lets go of the note until it is
        // shown for it again.
        Detach();
        HideEditor();
        break;
    case QEvent::WindowDeactivate:
        // As the note's own deferred deactivation: once the activation change is over, a note
        // that stayed inactive (and is not behind one of its own dialogs) loses the palette.
        QTimer::singleShot(1, this, [this] {
            if (FNote && !FNote->IsActive() && !QApplication::activeModalWidget())
                HideEditor();
        });
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// --- pages and latches -----------------------------------------------------------------------

void TfmEditor::imgFontClick(bool fontPage) {
    FImgFont->SetLatched(fontPage);
    FImgNote->SetLatched(!fontPage);
    FFontPnl->setVisible(fontPage);
    FNotePnl->setVisible(!fontPage);
}

void TfmEditor::RefreshFromSelection() {
    if (!FNote)
        return;
    FUpdating = true;
    const TextFormat::State state = TextFormat::Read(*FNote->retShow());
    FBImg->SetLatched(state.bold);
    FIImg->SetLatched(state.italic);
    FUImg->SetLatched(state.underline);
    FListImg->SetLatched(state.bullets);
    if (state.pointSize > 0)
        FFontSize->setValue(state.pointSize);
    if (!state.family.isEmpty())
        FFontName->setCurrentFont(QFont(state.family));
    LatchAlignment(state.alignment == TextFormat::Alignment::Centre  ? FCenterImg
                   : state.alignment == TextFormat::Alignment::Right ? FRightImg
                                                                     : FLeftImg);
    FCutImg->SetLatched(!state.hasSelection);
    FCopyImg->SetLatched(!state.hasSelection);
    LatchUndoRedo();
    FUpdating = false;
}

void TfmEditor::LatchAlignment(TEditorImage* image) {
    for (TEditorImage* each : {FLeftImg, FCenterImg, FRightImg})
        each->SetLatched(each == image);
}

void TfmEditor::LatchUndoRedo() {
    const QTextDocument* document = FNote->retShow()->document();
    FUndoImg->SetLatched(!document->isUndoAvailable());
    FRedoImg->SetLatched(!document->isRedoAvailable());
}

bool TfmEditor::CanFormat() const {
    return FNote && !FUpdating;
}

void TfmEditor::PopupBelow(QMenu& menu, const QWidget& button) {
    menu.popup(button.mapToGlobal(QPoint(0, button.height())));
}

// --- the Font page ---------------------------------------------------------------------------

void TfmEditor::FontName_Change() {
    if (!CanFormat())
        return;
    TextFormat::SetFontFamily(*FNote->retShow(), FFontName->currentFont().family());
    FNote->retShow()->setFocus();
}

void TfmEditor::FontSize_Change() {
    if (!CanFormat())
        return;
    TextFormat::SetPointSize(*FNote->retShow(), FFontSize->value());
    FNote->retShow()->setFocus();
}

void TfmEditor::BoldBtnClick() {
    if (!CanFormat())
        return;
    // The latch is set from the command, not flipped: the text's own signals may have
    // refreshed it already.
    const bool on = !FBImg->Latched();
    TextFormat::SetBold(*FNote->retShow(), on);
    FBImg->SetLatched(on);
}

void TfmEditor::ItalicBtnClick() {
    if (!CanFormat())
        return;
    const bool on = !FIImg->Latched();
    TextFormat::SetItalic(*FNote->retShow(), on);
    FIImg->SetLatched(on);
}

void TfmEditor::UnderlineBtnClick() {
    if (!CanFormat())
        return;
    const bool on = !FUImg->Latched();
    TextFormat::SetUnderline(*FNote->retShow(), on);
    FUImg->SetLatched(on);
}

void TfmEditor::LeftBtnClick() {
    if (!CanFormat())
        return;
    TextFormat::SetAlignment(*FNote->retShow(), TextFormat::Alignment::Left);
    LatchAlignment(FLeftImg);
}

void TfmEditor::CenterBtnClick() {
    if (!CanFormat())
        return;
    TextFormat::SetAlignment(*FNote->retShow(), TextFormat::Alignment::Centre);
    LatchAlignment(FCenterImg);
}

void TfmEditor::RightBtnClick() {
    if (!CanFormat())
        return;
    TextFormat::SetAlignment(*FNote->retShow(), TextFormat::Alignment::Right);
    LatchAlignment(FRightImg);
}

void TfmEditor::BulletsBtnClick() {
    if (!CanFormat())
        return;
    const bool on = !FListImg->Latched();
    TextFormat::SetBullets(*FNote->retShow(), on);
    FListImg->SetLatched(on);
}

void TfmEditor::CutBtnClick() {
    if (FNote)
        FNote->retShow()->cut();
}

void TfmEditor::CopyBtnClick() {
    if (FNote)
        FNote->retShow()->copy();
}

void TfmEditor::PasteBtnClick() {
    if (FNote)
        FNote->retShow()->paste();
}

void TfmEditor::UndoBtnClick() {
    if (!FNote)
        return;
    FNote->retShow()->undo();
    LatchUndoRedo();
    RefreshFromSelection();
}

void TfmEditor::RedoBtnClick() {
    if (!FNote)
        return;
    FNote->retShow()->redo();
    LatchUndoRedo();
    RefreshFromSelection();
}

void TfmEditor::Font_AImgClick() {
    PopupBelow(*FPopFontColor, *FAImg);
}

void TfmEditor::Font_AbImgClick() {
    PopupBelow(*FPopBGColor, *FAbImg);
}

void TfmEditor::FontColorClick(int entry) {
    if (!CanFormat() || entry < 0 || entry >= static_cast<int>(TextColorTable.size()))
        return;
    const int color = TextColorTable[static_cast<size_t>(entry)];
    TextFormat::SetTextColor(*FNote->retShow(), color == SystemColorEntry
                                                    ? std::nullopt
                                                    : std::optional(ColorFromValue(color)));
}

void TfmEditor::BackColorClick(int entry) {
    if (!CanFormat() || entry < 0 || entry >= static_cast<int>(HighlightColorTable.size()))
        return;
    const int color = HighlightColorTable[static_cast<size_t>(entry)];
    TextFormat::SetHighlight(*FNote->retShow(), color == SystemColorEntry
                                                    ? std::nullopt
                                                    : std::optional(ColorFromValue(color)));
}

// --- the Note page ---------------------------------------------------------------------------

void TfmEditor::PrintBtnClick() {
    if (FNote)
        NotePrint::PrintWithDialog(this, *FNote->retShow()->document());
}

void TfmEditor::PictureBtnClick() {
    if (!FNote)
        return;
    const QString path = FileChooser::ChooseOpenFile(
        this, QStringLiteral("Insert Picture"),
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
        QStringLiteral("Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg);;All files (*)"));
    if (path.isEmpty())
        return;
    const QString failure = NoteInsert::InsertPicture(*FNote->retShow(), path);
    if (!failure.isEmpty())
        ShowError(failure);
}

void TfmEditor::ObjectBtnClick() {
    if (!FNote)
        return;
    const QString path = FileChooser::ChooseOpenFile(
        this, QStringLiteral("Attach file"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        QStringLiteral("All files (*)"));
    if (path.isEmpty())
        return;
    const QString failure = NoteInsert::AttachFile(*FNote->retShow(), path);
    if (!failure.isEmpty())
        ShowError(failure);
}

void TfmEditor::NoteColorBtnClick() {
    PopupBelow(*FPopNcolor, *FBGColorImg);
}

void TfmEditor::NoteColorClick(int color) {
    if (FNote)
        RunGuarded([this, color] { FNote->ColorItemClick(color); });
}

void TfmEditor::NoteInfoBtnClick() {
    if (!FNote)
        return;
    if (!FNoteInfo)
        FNoteInfo = std::make_unique<TfmNoteInfo>();
    FNoteInfo->move(ScreenRect(*FNote).topLeft() + QPoint(25, 25));
    FNoteInfo->SetNote(FNote->NoteId(), FNote);
    FNoteInfo->exec();
}

void TfmEditor::Note_MemoClick() {
    PopupBelow(*FPopMoveTo, *FMemoImg);
}

void TfmEditor::Note_TrashImgClick() {
    if (FNote)
        RunGuarded([this] { FNote->menuTrashNoteClick(); });
}

void TfmEditor::Note_MinImgClick() {
    if (FNote && !FNote->InMemoboard())
        RunGuarded([this] { FNote->Minimize(); });
}

void TfmEditor::Note_OntheTopImgClick() {
    if (!FNote || FNote->InMemoboard())
        return;
    RunGuarded([this] { FNote->menuOnTheTopClick(); });
    ShowOnTopLatch();
}

// While the note is on top its image keeps showing its picture.
void TfmEditor::ShowOnTopLatch() {
    FOntheTopImg->SetLatched(FNote && FNote->OnTop());
}

// --- the reminder ----------------------------------------------------------------------------

void TfmEditor::ShowReminderInfo() {
    const bool has = FNote && FNote->HasReminder();
    FAlarmRImg->setEnabled(has);
    FArrowAP->setEnabled(has);
    if (has) {
        FLblAlarm->setText(DateTimeText::ForDisplay(FNote->ReminderTime()));
        FLblAlarmRep->setText(QuickReminder::RepeatText(FNote->RepeatCount(), FNote->RepeatUnit()));
    } else {
        FLblAlarm->setText(QStringLiteral("Click here to set Reminder"));
        FLblAlarmRep->clear();
    }
    FLblAlarm->adjustSize();
    FLblAlarmRep->adjustSize();
}

void TfmEditor::Note_AlarmImgClick() {
    if (FNote)
        emit SetReminderRequested(FNote);
}

void TfmEditor::BuildQuickReminderMenu() {
    ClearMenu(*FPopAlarm);
    for (const QuickReminder::Day& day : QuickReminder::Days(Clock::Now())) {
        QMenu* hours = FPopAlarm->addMenu(day.caption);
        hours->setEnabled(!day.hours.isEmpty());
        for (const int hour : day.hours) {
            const int ahead = day.daysAhead;
            connect(hours->addAction(QuickReminder::HourCaption(hour)), &QAction::triggered, this,
                    [this, ahead, hour] { QuickReminderClick(ahead, hour); });
        }
    }
}

void TfmEditor::Note_imgArrowAClick() {
    PopupBelow(*FPopAlarm, *FArrowA);
}

void TfmEditor::Note_imgArrowAPClick() {
    if (FNote && FNote->HasReminder())
        PopupBelow(*FPopAlarmReapt, *FArrowAP);
}

// A quick set changes only the time: a note that repeats keeps its stored repeat, and the
// window and the labels show that repeat too.
void TfmEditor::QuickReminderClick(int daysAhead, int hour) {
    if (!FNote)
        return;
    TfmNote* note = FNote;
    const QDateTime due = QuickReminder::DueTime(Clock::Now().date(), daysAhead, hour);
    RunGuarded([note, due] {
        const QString dueText = DateTimeText::FromDateTime(due);
        const bool had = note->HasReminder();
        if (had)
            Alarm::SetReminderTime(note->NoteId(), dueText);
        else
            Alarm::SetReminder(note->NoteId(), dueText, 0, 0);
        NoteDB::SetReminderFlag(note->NoteId(), true);
        note->SetReminderValues(true, due, had ? note->RepeatCount() : 0,
                                had ? note->RepeatUnit() : 0);
        note->UpdateReminderIcon();
    });
    ShowReminderInfo();
    emit DueListChanged();
}

void TfmEditor::popAlermPMinutesClick(int unit, const QString& caption) {
    if (!FNote || !FNote->HasReminder())
        return;
    TfmNote* note = FNote;
    RunGuarded([note, unit] {
        Alarm::SetRepeat(note->NoteId(), 1, unit);
        note->SetReminderValues(true, note->ReminderTime(), 1, unit);
    });
    FLblAlarmRep->setText(caption);
    FLblAlarmRep->adjustSize();
    emit DueListChanged();
}
