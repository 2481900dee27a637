// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QPushButton;
class TEKButton;
class TSkinImage;

// The program's one message box: a borderless, stay-on-top, 403×150 skinned window with a title,
// a message of one or two lines, an optional Cancel button and an optional check-box row.
// A caller sets Title, Message, ShowCancel and LineCount (and, for the check box, ShowCheckBox
// and the text of lblcbx), runs exec() and reads the answer: ResultOK when OK was pressed,
// ResultCancel for Cancel, the close button or Escape. It may then read whether cbx is ticked.
//
// ShowCancel keeps what the last caller set, so every caller sets it; ShowCheckBox goes back to
// false whenever the box hides, so the row appears only for a caller that asks for it.
class TfmMessage : public QDialog {
    Q_OBJECT
public:
    static constexpr int ResultOK = 1;
    static constexpr int ResultCancel = 2;

    explicit TfmMessage(QWidget* parent = nullptr);

    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& title) { FTitle = title; }
    const QString& Message() const { return FMessage; }
    void SetMessage(const QString& message) { FMessage = message; }
    bool ShowCancel() const { return FShowCancel; }
    void SetShowCancel(bool show) { FShowCancel = show; }
    // 1 or 2: how many lines the message takes; two lines sit higher.
    int LineCount() const { return FLineCount; }
    void SetLineCount(int lines) { FLineCount = lines; }
    bool ShowCheckBox() const { return FShowCheckBox; }
    void SetShowCheckBox(bool show) { FShowCheckBox = show; }

    // The check box and its text, which the caller sets directly.
    QCheckBox* cbx() const { return FCbx; }
    QLabel* lblcbx() const { return FLblCbx; }

    // Shows the box modally and answers ResultOK or ResultCancel.
    int exec() override;

    // Test seam: the next exec() lays the box out as for showing, then answers at once with
    // `result` and leaves cbx ticked or not, without showing anything. Used once.
    static void SetNextAnswerForTest(int result, bool checkBoxTicked = false);

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void FormHide();
    TEKButton* CreateButton(const QString& name, const QRect& geometry, const QString& pic,
                            const QString& picHover);
    void ekbtnOKClick();
    void ekbtnCancelClick();

    TSkinImage* FImgBG;
    TSkinImage* FImgTitle;
    QLabel* FLblCaption;
    QLabel* FLblMes;
    QCheckBox* FCbx;
    QLabel* FLblCbx;
    TEKButton* FEkbtnOK;
    TEKButton* FEkbtnCancel;
    TEKButton* FEkbtnClose;
    QPushButton* FBtnF;

    QString FTitle;
    QString FMessage;
    bool FShowCancel = true;
    int FLineCount = 1;
    bool FShowCheckBox = false;
};
