// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmFindNotes.h"

#include "EKButton.h"
#include "untNoteDB.h"
#include "untNoteListModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

namespace {

const TListWindowLayout Layout{"fmFindNotes",
                               QStringLiteral("Find Notes"),
                               QSize(488, 380),
                               QStringLiteral("findnotes_bg"),
                               TfmFindNotes::HelpTopic,
                               415,
                               450};

} // namespace

TfmFindNotes::TfmFindNotes(TfmMessage& message)
    : TListWindow(Layout, message), FCbxFindout(nullptr), FCheckbxTrach(nullptr),
      FLblResult(nullptr) {
    auto* pnlContent = new QWidget(this);
    pnlContent->setObjectName(QStringLiteral("pnlContent"));
    pnlContent->setGeometry(14, 96, 465, 257);

    FCbxFindout = new QComboBox(pnlContent);
    FCbxFindout->setObjectName(QStringLiteral("cbxFindout"));
    FCbxFindout->setEditable(true);
    FCbxFindout->setInsertPolicy(QComboBox::NoInsert);
    FCbxFindout->setGeometry(6, 16, 248, 22);
    connect(FCbxFindout->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { Guarded([this] { Search(); }); });

    TEKButton* imgFindNotes =
        CreateButton(pnlContent, "imgFindNotes", {260, 15, 88, 24}, QStringLiteral("findout"));
    connect(imgFindNotes, &TEKButton::OnClick, this, [this] { Guarded([this] { Search(); }); });

    FCheckbxTrach = new QCheckBox(QStringLiteral("Search notes in the trash"), pnlContent);
    FCheckbxTrach->setObjectName(QStringLiteral("checkbxTrach"));
    FCheckbxTrach->setGeometry(6, 45, 250, 20);

    FLblResult = new QLabel(pnlContent);
    FLblResult->setObjectName(QStringLiteral("lblResult"));
    FLblResult->setGeometry(273, 47, 185, 16);

    CreateGrid(pnlContent, {6, 70, 452, 139}, {452});
    TEKButton* imgToNote =
        CreateButton(pnlContent, "imgToNote", {9, 215, 88, 24}, QStringLiteral("gotonote"));
    connect(imgToNote, &TEKButton::OnClick, this, &TListWindow::GoToSelectedNote);
    CreatePreviewMarker(pnlContent, {236, 215});
}

void TfmFindNotes::FormShow() {
    Model().SetRows({});
    Guarded([this] { FillHistory(); });
    FCbxFindout->setCurrentText(QString());
    FCheckbxTrach->setChecked(false);
    FLblResult->clear();
}

void TfmFindNotes::FillHistory() {
    // Refilling the list must not change the text typed in the box.
    const QString typed = FCbxFindout->currentText();
    FCbxFindout->clear();
    FCbxFindout->addItems(NoteDB::SearchHistory());
    FCbxFindout->setCurrentText(typed);
}

void TfmFindNotes::Search() {
    Model().SetRows({});
    const QString term = FCbxFindout->currentText();
    NoteDB::AddSearchHistory(term);
    const QList<NoteMatch> matches = NoteDB::SearchContent(term, FCheckbxTrach->isChecked());
    FillHistory();
    Model().SetRows(NoteTextRows(matches));
    FLblResult->setText(QString::number(matches.size()) + QStringLiteral(" Notes Found"));
}
