// SPDX-License-Identifier: GPL-3.0-or-later
#include "untListWindow.h"

#include "EKButton.h"
#include "frmMessage.h"
#include "frmNote.h"
#include "frmUntil.h"
#include "untErrorBoundary.h"
#include "untNoteListModel.h"
#include "untScreenPlace.h"
#include "untSkinImage.h"
#include "untStayOnTop.h"
#include "untWindowDrag.h"
#include "untWindowShape.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QPrintDialog>
#include <QPrinter>
#include <QShowEvent>
#include <QTableView>
#include <QTextEdit>

namespace {

constexpr int CornerDiameter = 9;
constexpr int TitleHeight = 28;
constexpr int RowHeight = 18;
constexpr QSize WindowButtonSize(46, 18);
constexpr QSize PictureSize(18, 18);

TMemoboardHooks& Hooks() {
    static TMemoboardHooks hooks;
    return hooks;
}

} // namespace

TListWindow::TListWindow(const TListWindowLayout& layout, TfmMessage& message)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), FMessage(message) {
    setObjectName(QString::fromLatin1(layout.Name));
    setWindowTitle(layout.Title);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(layout.Size);
    setMask(RoundedRegion(layout.Size, CornerDiameter));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSize(8);
    setFont(tahoma);
    CreateChrome(layout);
    CentreOnScreen(*this);
}

TListWindow::~TListWindow() {
    ClosePreview();
}

void TListWindow::SetMemoboardHooks(TMemoboardHooks hooks) {
    Hooks() = std::move(hooks);
}

const TMemoboardHooks& TListWindow::MemoboardHooks() {
    return Hooks();
}

void TListWindow::CreateChrome(const TListWindowLayout& layout) {
    auto* imgBG = new TSkinImage(this);
    imgBG->setObjectName(QStringLiteral("imgBG"));
    imgBG->setGeometry(rect());
    imgBG->LoadPicture(layout.Background);

    auto* imgTitle = new TSkinImage(this);
    imgTitle->setObjectName(QStringLiteral("imgTitle"));
    imgTitle->setGeometry(0, 0, width(), TitleHeight);
    new WindowDragHelper(imgTitle, this);

    // The window buttons show their rest look in the background; their pictures appear under
    // the mouse only.
    const int closeLeft = width() - WindowButtonSize.width() - 12;
    auto* imgMin = new TEKButton(this);
    imgMin->setObjectName(QStringLiteral("imgMin"));
    imgMin->setGeometry({QPoint(closeLeft - WindowButtonSize.width(), 0), WindowButtonSize});
    imgMin->SetPictures({}, QStringLiteral("min_left"), {});
    connect(imgMin, &TEKButton::OnClick, this, &QWidget::showMinimized);
    auto* imgClose = new TEKButton(this);
    imgClose->setObjectName(QStringLiteral("imgClose"));
    imgClose->setGeometry({QPoint(closeLeft, 0), WindowButtonSize});
    imgClose->SetPictures({}, QStringLiteral("close"), {});
    connect(imgClose, &TEKButton::OnClick, this, &QWidget::close);

    auto* imgPrint = new TEKButton(this);
    imgPrint->setObjectName(QStringLiteral("imgPrint"));
    imgPrint->setGeometry({QPoint(layout.PrintLeft, 39), PictureSize});
    imgPrint->SetPictures(QStringLiteral("lw_print"), QStringLiteral("lw_print_"), {});
    imgPrint->setCursor(Qt::PointingHandCursor);
    imgPrint->setToolTip(QStringLiteral("Print"));
    connect(imgPrint, &TEKButton::OnClick, this, &TListWindow::PrintSelectedNote);
    auto* imgHelp = new TEKButton(this);
    imgHelp->setObjectName(QStringLiteral("imgHelp"));
    imgHelp->setGeometry({QPoint(layout.HelpLeft, 39), PictureSize});
    imgHelp->SetPictures(QStringLiteral("lw_help"), QStringLiteral("lw_help_"), {});
    imgHelp->setCursor(Qt::PointingHandCursor);
    imgHelp->setToolTip(QStringLiteral("Help"));
    connect(imgHelp, &TEKButton::OnClick, this,
            [this, topic = layout.HelpTopic] { emit HelpRequested(topic); });
}

void TListWindow::CreateGrid(QWidget* parent, const QRect& geometry,
                             const QList<int>& columnWidths) {
    FModel = new TNoteListModel(static_cast<int>(columnWidths.size()), this);
    FGrid = new QTableView(parent);
    FGrid->setObjectName(QStringLiteral("strgidFind"));
    FGrid->setGeometry(geometry);
    FGrid->setModel(FModel);
    FGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    FGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    FGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FGrid->setWordWrap(false);
    FGrid->setShowGrid(false);
    FGrid->horizontalHeader()->hide();
    FGrid->horizontalHeader()->setStretchLastSection(true);
    FGrid->verticalHeader()->hide();
    // Fixed row heights let the view lay out ten thousand rows without measuring any.
    FGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FGrid->verticalHeader()->setDefaultSectionSize(RowHeight);
    for (int column = 0; column + 1 < columnWidths.size(); ++column)
        FGrid->setColumnWidth(column, columnWidths[column]);
    connect(FGrid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TListWindow::SelectionChanged);
}

void TListWindow::CreatePreviewMarker(QWidget* parent, const QPoint& at) {
    FPnlPosition = new QWidget(parent);
    FPnlPosition->setObjectName(QStringLiteral("pnlPosition"));
    FPnlPosition->setGeometry({at, QSize(65, 19)});
    FPnlPosition->setAttribute(Qt::WA_TransparentForMouseEvents);
}

TEKButton* TListWindow::CreateButton(QWidget* parent, const char* name, const QRect& geometry,
                                     const QString& picture) {
    auto* button = new TEKButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->SetPictures(picture, picture + u'_', {});
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

bool TListWindow::Confirm(const QString& title, const QString& text, bool withCancel, int lines) {
    FMessage.SetTitle(title);
    FMessage.SetMessage(text);
    FMessage.SetShowCancel(withCancel);
    FMessage.SetLineCount(lines);
    return FMessage.exec() == TfmMessage::ResultOK;
}

TfmNote* TListWindow::Preview() const {
    return FPreview;
}

int TListWindow::SelectedRow() const {
    const QModelIndexList rows = FGrid->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

const TNoteListRow* TListWindow::SelectedNote() const {
    return FModel->NoteRow(SelectedRow());
}

bool TListWindow::SelectNote(int noteId) {
    for (int row = 0; row < FModel->NoteCount(); ++row) {
        if (FModel->NoteRow(row)->NoteId == noteId) {
            FGrid->selectRow(row);
            FGrid->scrollTo(FModel->index(row, 0));
            return true;
        }
    }
    return false;
}

void TListWindow::SelectRowQuietly(int row) {
    FQuiet = true;
    FGrid->selectRow(row);
    FQuiet = false;
}

void TListWindow::SelectionChanged() {
    const TNoteListRow* row = SelectedNote();
    if (row && FPreview && !FQuiet)
        Guarded([this, row = *row] { NoteSelected(row); });
}

void TListWindow::NoteSelected(const TNoteListRow& row) {
    HidePreview();
    if (const std::optional<NoteRecord> record = NoteDB::ReadNote(row.NoteId))
        ShowPreview(*record);
}

void TListWindow::ShowPreview(const NoteRecord& record) {
    if (!FPreview)
        return;
    FPreview->hide();
    FPreview->TakeStoredValues(record);
    FPreview->LoadText(record.rtf, record.content);
    FPreview->ApplyColor();
    FPreview->UpdateReminderIcon();
    FPreview->resize(record.size);
    PlacePreview();
    SetStaysOnTop(*FPreview, true);
    FPreview->SetModified(false);
    FPreview->show();
    FPreview->retShow()->viewport()->update();
}

void TListWindow::HidePreview() {
    if (!FPreview)
        return;
    FPreview->TakeStoredValues(NoteRecord{});
    FPreview->hide();
}

void TListWindow::PlacePreview() {
    if (FPreview && FPnlPosition)
        FPreview->move(FPnlPosition->mapToGlobal(QPoint(0, 0)));
}

void TListWindow::ClosePreview() {
    if (FPreview)
        FPreview->close();
}

void TListWindow::PrintSelectedNote() {
    if (!SelectedNote() || !FPreview)
        return;
    QPrinter printer;
    printer.setDocName(QStringLiteral("Untitled"));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        FPreview->retShow()->document()->print(&printer);
}

void TListWindow::GoToSelectedNote() {
    const TNoteListRow* row = SelectedNote();
    if (!row)
        return;
    if (row->ParentId == 0) {
        TfmUntil::Instance().FlashNote(row->NoteId);
        return;
    }
    if (Hooks().ShowNoteOnMemoboard)
        Hooks().ShowNoteOnMemoboard(row->NoteId, row->ParentId);
}

TfmNote* TListWindow::OwnWindow(int noteId, int parentId) {
    if (parentId == 0)
        return TfmUntil::Instance().FindNoteWindow(noteId);
    return Hooks().FindNoteOnMemoboard ? Hooks().FindNoteOnMemoboard(noteId, parentId) : nullptr;
}

void TListWindow::Guarded(const std::function<void()>& action) {
    RunGuarded(action);
}

void TListWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return; // the window system mapped it again after a minimise
    if (!FPreview)
        FPreview = new TfmNote(NoteMode::Preview);
    FormShow();
}

void TListWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    PlacePreview();
}

void TListWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && FPreview)
        SetStaysOnTop(*FPreview, isActiveWindow());
}

void TListWindow::closeEvent(QCloseEvent* event) {
    ClosePreview();
    QWidget::closeEvent(event);
}
