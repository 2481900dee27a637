// SPDX-License-Identifier: GPL-3.0-or-later
#include "EKButton.h"
#include "MouseEvents.h"
#include "NoteTestSupport.h"
#include "TestDataFolder.h"
#include "frmData.h"
#include "frmNoteInfo.h"
#include "untDB.h"
#include "untNoteColors.h"
#include "untSchema.h"

#include <QLabel>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

// A note row with the given stored times, as the note store writes them; answers its id.
int InsertNoteWithTimes(const QString& createTime, const QString& modifyTime) {
    const bool inserted = RunSQLParams(
        QStringLiteral("INSERT INTO Note(ParentId,Position,Content,Rtf,Color,Type,Type2,Type3,"
                       "NoteType,Size,CreateTime,ModifyTime,NTime,TimeOut,TimeOutType) "
                       "VALUES(0,'40,40','text','',12615680,1,1,0,0,'172,120',:c,:m,'0',0,0)"),
        {{QStringLiteral("c"), createTime}, {QStringLiteral("m"), modifyTime}});
    if (!inserted)
        return 0;
    Dataset last;
    QueryInto(QStringLiteral("SELECT max(Id) AS Id FROM Note"), last);
    return int(last.FieldByName(QStringLiteral("Id")).AsInteger());
}

QString Shown(const QDateTime& moment) {
    return QLocale().toString(moment, QLocale::ShortFormat);
}

template <typename T> T* Child(const TfmNoteInfo& info, const char* name) {
    return info.findChild<T*>(QString::fromLatin1(name));
}

QString LabelText(const TfmNoteInfo& info, const char* name) {
    const QLabel* label = Child<QLabel>(info, name);
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

} // namespace

class TestNoteInfo : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layoutOfTheWindow();
    void labelsInVerdanaAtTheirPlaces_data();
    void labelsInVerdanaAtTheirPlaces();
    void showsTheTimesOfTheNote_data();
    void showsTheTimesOfTheNote();
    void noteWithoutARowLeavesTheTimesAsTheyWere();
    void unreadableTimesLeaveTheLabelsAndStillShow();
    void okAndCloseEndTheModalShow_data();
    void okAndCloseEndTheModalShow();
    void closeButtonShowsItsPictureOnlyUnderTheMouse();
    void titleStripDragsTheWindow();
    void openingKeepsTheNoteActiveAndUnsaved();

private:
    std::unique_ptr<TestDataFolder> FFolder;
};

void TestNoteInfo::init() {
    FFolder = std::make_unique<TestDataFolder>();
    QVERIFY(CreateSchema());
}

void TestNoteInfo::cleanup() {
    FFolder.reset();
    QLocale::setDefault(QLocale::c());
}

void TestNoteInfo::layoutOfTheWindow() {
    TfmNoteInfo info;
    QCOMPARE(info.windowTitle(), QString("Note Info"));
    QCOMPARE(info.size(), QSize(299, 143));
    QVERIFY(info.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(info.windowType(), Qt::Tool);
    // Modal: an always-on-top note must not cover it.
    QVERIFY(info.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(info.mask().boundingRect(), QRect(0, 0, 299, 143));
    QVERIFY(!info.mask().contains(QPoint(0, 0)));

    const auto* image = Child<TSkinImage>(info, "Image1");
    QVERIFY(image);
    QCOMPARE(image->geometry(), QRect(0, 0, 299, 143));
    QCOMPARE(image->PictureName(), QString("noteinfo_bg"));
    const auto* title = Child<TSkinImage>(info, "imgTitle");
    QVERIFY(title);
    QCOMPARE(title->geometry(), QRect(0, 1, 403, 27));
    QVERIFY(title->PictureName().isEmpty());

    const auto* ok = Child<TEKButton>(info, "ekbtnOK");
    QVERIFY(ok);
    QCOMPARE(ok->geometry(), QRect(188, 106, 88, 24));
    QCOMPARE(ok->BtnType(), btEnter);
    QCOMPARE(ok->Pic(), QString("ok"));
    QCOMPARE(ok->PicEnter(), QString("ok_"));
    QCOMPARE(ok->PicClick(), QString("ok_"));
    const auto* close = Child<TEKButton>(info, "imgClose");
    QVERIFY(close);
    QCOMPARE(close->geometry(), QRect(242, 0, 45, 19));
    // The close button lies over the title strip, so a press on it closes instead of dragging.
    QCOMPARE(info.childAt(260, 8), close);
}

void TestNoteInfo::labelsInVerdanaAtTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QString>("text");
    QTest::newRow("create caption") << "Label1" << QPoint(43, 57) << "Create Time:";
    QTest::newRow("modify caption") << "Label2" << QPoint(41, 78) << "Modifty Time:";
    QTest::newRow("create time") << "lblctime" << QPoint(126, 57) << "";
    QTest::newRow("modify time") << "lblmtime" << QPoint(126, 78) << "";
}

void TestNoteInfo::labelsInVerdanaAtTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QPoint, place);
    QFETCH(QString, text);
    TfmNoteInfo info;
    const auto* label = info.findChild<QLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->pos(), place);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->font().family(), QString("Verdana"));
    QCOMPARE(label->font().pixelSize(), 11);
}

void TestNoteInfo::showsTheTimesOfTheNote_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("createTime");
    QTest::addColumn<QString>("modifyTime");
    QTest::addColumn<QDateTime>("created");
    QTest::addColumn<QDateTime>("modified");
    const QDateTime noon(QDate(2023, 3, 15), QTime(12, 0));
    const QDateTime morning(QDate(2026, 12, 11), QTime(6, 0));
    QTest::newRow("English") << "en_US"
                             << "45000.5"
                             << "46367.25" << noon << morning;
    QTest::newRow("German") << "de_DE"
                            << "45000.5"
                            << "46367.25" << noon << morning;
    QTest::newRow("stored with a comma") << "de_DE"
                                         << "45000,5"
                                         << "46367,25" << noon << morning;
}

void TestNoteInfo::showsTheTimesOfTheNote() {
    QFETCH(QString, locale);
    QFETCH(QString, createTime);
    QFETCH(QString, modifyTime);
    QFETCH(QDateTime, created);
    QFETCH(QDateTime, modified);
    QLocale::setDefault(QLocale(locale));
    const int id = InsertNoteWithTimes(createTime, modifyTime);
    QVERIFY(id > 0);
    TfmNoteInfo info;
    QWidget note;

    info.SetNote(id, &note);
    info.show();

    QCOMPARE(LabelText(info, "lblctime"), Shown(created));
    QCOMPARE(LabelText(info, "lblmtime"), Shown(modified));
    QVERIFY(!LabelText(info, "lblctime").isEmpty());
    // Each value label is as wide as its text.
    const auto* value = Child<QLabel>(info, "lblmtime");
    QCOMPARE(value->width(), value->sizeHint().width());
}

void TestNoteInfo::noteWithoutARowLeavesTheTimesAsTheyWere() {
    const int id = InsertNoteWithTimes(QStringLiteral("45000.5"), QStringLiteral("46367.25"));
    TfmNoteInfo info;
    info.SetNote(id, nullptr);
    info.show();
    info.hide();
    const QString created = LabelText(info, "lblctime");
    const QString modified = LabelText(info, "lblmtime");
    QVERIFY(!created.isEmpty());

    info.SetNote(id + 1000, nullptr);
    info.show();

    QVERIFY(info.isVisible());
    QCOMPARE(LabelText(info, "lblctime"), created);
    QCOMPARE(LabelText(info, "lblmtime"), modified);
}

void TestNoteInfo::unreadableTimesLeaveTheLabelsAndStillShow() {
    const int first = InsertNoteWithTimes(QStringLiteral("45000.5"), QStringLiteral("45000.5"));
    const int second = InsertNoteWithTimes(QStringLiteral("46367.25"), QStringLiteral("46367.25"));
    TfmNoteInfo info;
    info.SetNote(first, nullptr);
    info.show();
    info.hide();
    const QString before = LabelText(info, "lblctime");

    TfmData::Instance().FailNextStatements(1);
    info.SetNote(second, nullptr);
    info.show();

    QVERIFY(info.isVisible());
    QCOMPARE(LabelText(info, "lblctime"), before);
}

void TestNoteInfo::okAndCloseEndTheModalShow_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << "ekbtnOK" << int(QDialog::Accepted);
    QTest::newRow("close") << "imgClose" << int(QDialog::Rejected);
}

void TestNoteInfo::okAndCloseEndTheModalShow() {
    QFETCH(QString, button);
    QFETCH(int, result);
    TfmNoteInfo info;
    auto* target = info.findChild<TEKButton*>(button);
    QVERIFY(target);
    bool wasShowing = false;
    QTimer::singleShot(0, target, [&] {
        wasShowing = info.isVisible() && info.isModal();
        PressAt(target, {5, 5});
    });

    QCOMPARE(info.exec(), result);

    QVERIFY(wasShowing);
    QVERIFY(!info.isVisible());
}

void TestNoteInfo::closeButtonShowsItsPictureOnlyUnderTheMouse() {
    TfmNoteInfo info;
    auto* close = Child<TEKButton>(info, "imgClose");
    QVERIFY(close);
    QVERIFY(close->PictureName().isEmpty());
    SendEnter(close);
    QCOMPARE(close->PictureName(), QString("close_left"));
    SendLeave(close);
    QVERIFY(close->PictureName().isEmpty());
}

void TestNoteInfo::titleStripDragsTheWindow() {
    TfmNoteInfo info;
    info.move(200, 150);
    auto* title = Child<TSkinImage>(info, "imgTitle");
    QVERIFY(title);
    DragBy(title, {60, 10}, {-35, 48});
    QCOMPARE(info.pos(), QPoint(165, 198));
}

void TestNoteInfo::openingKeepsTheNoteActiveAndUnsaved() {
    const int id = InsertNoteWithTimes(QStringLiteral("45000.5"), QStringLiteral("45000.5"));
    const auto note = std::make_unique<TfmNote>();
    note->TakeStoredValues(*NoteDB::ReadNote(id));
    QVERIFY(Activate(*note));
    QTest::keyClicks(note->retShow(), QStringLiteral("changed "));
    QVERIFY(note->IsModified());
    TfmNoteInfo info;
    info.SetNote(id, note.get());

    QVERIFY(Activate(info));
    // Let the note's deferred deactivation run, were it still due.
    QTest::qWait(50);

    QVERIFY(note->IsActive());
    QVERIFY(note->IsModified());
    QCOMPARE(NoteColumn(id, QStringLiteral("Content")), QString("text"));
    QCOMPARE(note->palette().color(QPalette::Window), ColorFromValue(note->NoteColor()));
}

QTEST_MAIN(TestNoteInfo)
#include "tst_noteinfo.moc"
