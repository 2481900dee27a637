// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untNoteAnimation.h"

#include <QList>
#include <QMetaObject>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <memory>

class QFontComboBox;
class QLabel;
class QMenu;
class QSpinBox;
class TEditorImage;
class TfmNote;
class TfmNoteInfo;
class TSkinImage;
class TSwatchMenu;

// The note editor ("Note Editor"): the formatting and command palette of the active note. The
// program keeps one; it attaches itself to one note at a time and stands beside it, 2 px apart
// with the tops aligned (on the left when there is room, else on the right), and follows it.
// Every command acts on the attached note's text. It never takes the activation: clicking its
// buttons leaves the note active and its selection intact. It hides when the note is
// minimised, trashed, moved elsewhere or loses the activation.
//
// Two pages: "Font" (font, size, clipboard, bold, italic, underline, colours, alignment, undo,
// redo, bullets) and "Note" (print, move, information, colour, trash, picture, attached file,
// minimise, always on top and the reminder).
class TfmEditor : public QWidget {
    Q_OBJECT
public:
    static constexpr int EditorWidth = 239;
    static constexpr int EditorHeight = 170;
    // The gap between the editor and its note.
    static constexpr int Gap = 2;

    explicit TfmEditor(QWidget* parent = nullptr);
    ~TfmEditor() override;

    // The note's edit button and Edit Note: hides the editor when it shows for this note,
    // else attaches it to the note and shows it.
    void ToggleFor(TfmNote* note);
    void ShowFor(TfmNote* note);
    // Slides the editor out and hides it.
    void HideEditor();
    // The attached note (the last one, also while hidden).
    TfmNote* Note() const { return FNote; }
    bool PlacedRight() const { return FPlacedRight; }

    // Stands beside the note's current screen rectangle.
    void PlaceBesideNote();
    // Makes every latch show the selection's formatting; writes nothing.
    void RefreshFromSelection();
    // The reminder labels and images as the note's reminder has them.
    void ShowReminderInfo();

    // The pages and the menus, for the windows that drive them.
    QWidget* FontPnl() const { return FFontPnl; }
    QWidget* NotePnl() const { return FNotePnl; }
    QMenu* popAlarm() const { return FPopAlarm; }
    QMenu* popAlarmReapt() const { return FPopAlarmReapt; }
    TSwatchMenu* popFontColor() const { return FPopFontColor; }
    TSwatchMenu* popBGColor() const { return FPopBGColor; }
    QMenu* popNcolor() const { return FPopNcolor; }
    QMenu* popMoveTo() const { return FPopMoveTo; }
    // Fills the quick reminder menu for the clock's current time.
    void BuildQuickReminderMenu();

signals:
    // Set Reminder, Set Repeating Reminder and the reminder label: the set-reminder dialog is
    // to open for the note, beside it (it calls ShowReminderInfo once it changed the reminder).
    void SetReminderRequested(TfmNote* note);
    // A reminder changed: the due list is to be rebuilt.
    void DueListChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The slide runs from the palette's edge at the note.
    NoteAnimation SlideKind() const;
    void CreatePages();
    void CreateFontPage();
    void CreateNotePage();
    void CreateMenus();
    TEditorImage* AddImage(QWidget* page, const char* name, const QRect& geometry, const char* hint,
                           const char* hover, void (TfmEditor::*click)());
    void Attach(TfmNote* note);
    void Detach();
    void imgFontClick(bool fontPage);
    // Runs a command on the attached note's text, unless the toolbar is being refreshed.
    bool CanFormat() const;
    void PopupBelow(QMenu& menu, const QWidget& button);

    void FontName_Change();
    void FontSize_Change();
    void BoldBtnClick();
    void ItalicBtnClick();
    void UnderlineBtnClick();
    void LeftBtnClick();
    void CenterBtnClick();
    void RightBtnClick();
    void BulletsBtnClick();
    void CutBtnClick();
    void CopyBtnClick();
    void PasteBtnClick();
    void UndoBtnClick();
    void RedoBtnClick();
    void Font_AImgClick();
    void Font_AbImgClick();
    void FontColorClick(int entry);
    void BackColorClick(int entry);
    void LatchAlignment(TEditorImage* image);
    void LatchUndoRedo();

    void PrintBtnClick();
    void PictureBtnClick();
    void ObjectBtnClick();
    void NoteColorBtnClick();
    void NoteColorClick(int color);
    void NoteInfoBtnClick();
    void Note_MemoClick();
    void Note_TrashImgClick();
    void Note_MinImgClick();
    void Note_OntheTopImgClick();
    void ShowOnTopLatch();
    void Note_AlarmImgClick();
    void Note_imgArrowAClick();
    void Note_imgArrowAPClick();
    void QuickReminderClick(int daysAhead, int hour);
    void popAlermPMinutesClick(int unit, const QString& caption);

    QPointer<TfmNote> FNote;
    // The note whose events and text signals the editor follows, compared only: a note that
    // hides may be in its destructor already, where it is no TfmNote any more.
    QObject* FWatched = nullptr;
    QList<QMetaObject::Connection> FNoteConnections;
    QRect FAnchor;
    bool FPlacedRight = false;
    bool FUpdating = false;
    bool FHiding = false;

    TSkinImage* FImage1;
    TEditorImage* FImgClose;
    TEditorImage* FImgFont;
    TEditorImage* FImgNote;
    QWidget* FContentPnl;
    QWidget* FFontPnl;
    QWidget* FNotePnl;
    QFontComboBox* FFontName;
    QSpinBox* FFontSize;
    TEditorImage* FCutImg;
    TEditorImage* FCopyImg;
    TEditorImage* FBImg;
    TEditorImage* FIImg;
    TEditorImage* FUImg;
    TEditorImage* FAImg;
    TEditorImage* FAbImg;
    TEditorImage* FLeftImg;
    TEditorImage* FCenterImg;
    TEditorImage* FRightImg;
    TEditorImage* FUndoImg;
    TEditorImage* FRedoImg;
    TEditorImage* FListImg;
    TEditorImage* FMemoImg;
    TEditorImage* FBGColorImg;
    TEditorImage* FMinImg;
    TEditorImage* FOntheTopImg;
    TEditorImage* FAlarmImg;
    TEditorImage* FArrowA;
    TEditorImage* FAlarmRImg;
    TEditorImage* FArrowAP;
    QLabel* FLblAlarm;
    QLabel* FLblAlarmRep;

    TSwatchMenu* FPopFontColor = nullptr;
    TSwatchMenu* FPopBGColor = nullptr;
    QMenu* FPopNcolor = nullptr;
    QMenu* FPopAlarm = nullptr;
    QMenu* FPopAlarmReapt = nullptr;
    QMenu* FPopMoveTo = nullptr;
    QMenu* FMenuMoveTo = nullptr;
    std::unique_ptr<TfmNoteInfo> FNoteInfo;
};
