// SPDX-License-Identifier: GPL-3.0-or-later
#include "untTabExV2.h"

#include "untClock.h"
#include "untMemoboardDB.h"
#include "untNoteColors.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int LeftMargin = 15;

QToolButton* NewArrow(QWidget* parent, Qt::ArrowType direction, const char* name) {
    auto* arrow = new QToolButton(parent);
    arrow->setObjectName(QString::fromLatin1(name));
    arrow->setArrowType(direction);
    arrow->setAutoRaise(true);
    arrow->setFixedSize(TTabExV2::ArrowsWidth / 2, TTabExV2::ArrowsHeight);
    arrow->setFocusPolicy(Qt::NoFocus);
    return arrow;
}

} // namespace

TTabPanel::TTabPanel(int tag, const QString& caption, QWidget* host)
    : QLabel(caption, host), FTag(tag) {
    setObjectName(QStringLiteral("tab%1").arg(tag));
    setAutoFillBackground(true);
    setAttribute(Qt::WA_Hover);
}

void TTabPanel::SetColor(int color) {
    FColor = color;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ColorFromValue(color));
    setPalette(colours);
}

TTabExV2::TTabExV2(QWidget* host)
    : QObject(host), FHost(host), FArrows(new QWidget(host)), FRenameEdit(new QLineEdit(host)) {
    setObjectName(QStringLiteral("TabExV2"));
    FArrows->setObjectName(QStringLiteral("arrows"));
    auto* row = new QHBoxLayout(FArrows);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    QToolButton* left = NewArrow(FArrows, Qt::LeftArrow, "arrowLeft");
    QToolButton* right = NewArrow(FArrows, Qt::RightArrow, "arrowRight");
    row->addWidget(left);
    row->addWidget(right);
    connect(left, &QToolButton::clicked, this, [this] { ScrollTabs(0); });
    connect(right, &QToolButton::clicked, this, [this] { ScrollTabs(1); });
    FArrows->setGeometry(host->width() - ArrowsWidth - 3, 3, ArrowsWidth, ArrowsHeight);
    FArrows->hide();

    FRenameEdit->setObjectName(QStringLiteral("edtRename"));
    FRenameEdit->setFrame(false);
    FRenameEdit->hide();
    FRenameEdit->installEventFilter(this);
    connect(FRenameEdit, &QLineEdit::editingFinished, this, &TTabExV2::EndRename);
    host->installEventFilter(this);
}

int TTabExV2::MeasureCaption(const QString& caption) const {
    return FHost->fontMetrics().horizontalAdvance(caption);
}

int TTabExV2::ClampedWidth(const QString& caption) const {
    return std::clamp(MeasureCaption(caption), FMinimumWidth, MaxWidth);
}

void TTabExV2::SizeToCaption(TTabPanel* tab, int width) {
    tab->setAlignment(width > FMinimumWidth ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    tab->resize(width, tab->height());
}

void TTabExV2::PlaceInactive(TTabPanel* tab) {
    tab->setGeometry(tab->x(), FHost->height() - FTabHeight, tab->width(), FTabHeight);
}

TTabPanel* TTabExV2::AppendTab(int id, const QString& caption, int tabHeight, int minimumWidth,
                               int color) {
    FTabHeight = tabHeight;
    FMinimumWidth = minimumWidth;
    if (color == NoColor)
        color = MemoboardDB::RandomPageColor();
    auto* tab = new TTabPanel(id, caption, FHost);
    tab->SetColor(color);
    tab->installEventFilter(this);
    const int left = FTabs.isEmpty() ? FirstLeft : FTabs.last()->geometry().right() + 1 + Gap;
    tab->setGeometry(left, FHost->height() - FTabHeight, 0, FTabHeight);
    SizeToCaption(tab, ClampedWidth(caption));
    FTabs.append(tab);
    tab->show();
    FArrows->raise();
    UpdateArrows(false);
    return tab;
}

void TTabExV2::CloseUpAfter(int from) {
    for (int i = from + 1; i < FTabs.size(); ++i)
        FTabs[i]->move(FTabs[i - 1]->geometry().right() + 1 + Gap, FTabs[i]->y());
}

void TTabExV2::RemoveTab(int id) {
    TTabPanel* tab = TabById(id);
    if (!tab)
        return;
    if (tab == FRenamed) {
        FRenameEdit->hide();
        FRenamed = nullptr;
    }
    const int index = int(FTabs.indexOf(tab));
    tab->hide();
    if (index + 1 < FTabs.size())
        FTabs[index + 1]->move(tab->x(), FTabs[index + 1]->y());
    FTabs.removeAt(index);
    CloseUpAfter(index);
    tab->deleteLater();
    FActive = nullptr;
}

void TTabExV2::ActivateTab(TTabPanel* tab) {
    if (FRenameEdit->isVisible())
        EndRename();
    if (!tab || tab->Tag() == 0 || tab == FActive)
        return;
    if (FActive) {
        PlaceInactive(FActive);
        SetBold(FActive, false);
        FActive->lower();
    }
    tab->setGeometry(tab->x(), FHost->height() - FTabHeight - Raise, tab->width(),
                     FTabHeight + Raise);
    tab->raise();
    FArrows->raise();
    FActive = tab;
    EnsureVisible(tab);
    emit OnChange(tab);
}

void TTabExV2::ActivateTabById(int id) {
    if (TTabPanel* tab = TabById(id))
        ActivateTab(tab);
}

void TTabExV2::ActivateLastTab() {
    if (!FTabs.isEmpty())
        ActivateTab(FTabs.last());
}

TTabPanel* TTabExV2::TabById(int id) const {
    for (TTabPanel* tab : FTabs)
        if (tab->Tag() == id)
            return tab;
    return nullptr;
}

int TTabExV2::ActiveIndex() const {
    return FActive ? int(FTabs.indexOf(FActive.data())) : 0;
}

void TTabExV2::BeginRename(TTabPanel* tab) {
    ActivateTab(tab);
    if (tab != FActive)
        return;
    FRenamed = tab;
    const int editHeight = FRenameEdit->sizeHint().height();
    FRenameEdit->setGeometry(tab->x(), tab->y() + tab->height() / 2 - editHeight / 2, tab->width(),
                             editHeight);
    FRenameEdit->setText(tab->text());
    FRenameEdit->show();
    FRenameEdit->raise();
}

void TTabExV2::EndRename() {
    if (!FRenameEdit->isVisible())
        return;
    const QString caption = FRenameEdit->text();
    // Hidden first: losing the focus on hiding finishes the edit again, which then does nothing.
    FRenameEdit->hide();
    TTabPanel* tab = FRenamed;
    FRenamed = nullptr;
    if (!tab)
        return;
    const int width = ClampedWidth(caption);
    if (width != tab->width()) {
        SizeToCaption(tab, width);
        CloseUpAfter(int(FTabs.indexOf(tab)));
    }
    if (caption == tab->text())
        return;
    tab->setText(caption);
    emit TabRenamed(tab, caption);
}

bool TTabExV2::FinishRename() {
    if (!FRenameEdit->isVisible())
        return false;
    EndRename();
    return true;
}

void TTabExV2::UpdateArrows(bool scrollFirstTab) {
    if (FTabs.isEmpty())
        return;
    if (scrollFirstTab)
        EnsureVisible(FTabs.first());
    const bool fits =
        FTabs.last()->geometry().right() + 1 <= FHost->width() && FTabs.first()->x() >= 0;
    if (fits) {
        FArrows->hide();
        return;
    }
    FArrows->move(FHost->width() - ArrowsWidth - 3, 3);
    FArrows->show();
    FArrows->raise();
}

void TTabExV2::EnsureVisible(TTabPanel* tab) {
    if (!tab || tab->Tag() == 0)
        return;
    // The row only ever moves one way per call, so a tab that cannot lie between the margins
    // of a narrow host ends where it first fits on the side it came from.
    int direction = 0;
    for (;;) {
        const int right = tab->x() + tab->width();
        int wanted = 0;
        if (right > FHost->width() - RightReserve)
            wanted = -1;
        else if (tab->x() < LeftMargin)
            wanted = 1;
        if (FHost->width() <= tab->width() + LeftMargin || wanted == 0)
            return;
        if (direction != 0 && wanted != direction)
            return;
        direction = wanted;
        ShiftAll(wanted * ScrollStep);
    }
}

void TTabExV2::ScrollTabs(int scrollCode) {
    if (FTabs.isEmpty())
        return;
    if (scrollCode == 0 && FTabs.first()->x() < LeftMargin)
        ShiftAll(ScrollStep);
    else if (scrollCode == 1 &&
             FTabs.last()->x() + FTabs.last()->width() > FHost->width() - RightReserve)
        ShiftAll(-ScrollStep);
}

void TTabExV2::ShiftAll(int dx) {
    for (TTabPanel* tab : FTabs)
        tab->move(tab->x() + dx, tab->y());
    if (FRenameEdit->isVisible())
        FRenameEdit->move(FRenameEdit->x() + dx, FRenameEdit->y());
}

void TTabExV2::SetBold(TTabPanel* tab, bool bold) {
    QFont font = tab->font();
    font.setBold(bold);
    tab->setFont(font);
}

bool TTabExV2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FHost) {
        if (event->type() == QEvent::Resize)
            UpdateArrows(true);
        return false;
    }
    if (watched == FRenameEdit) {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            FRenameEdit->setText(FRenamed ? FRenamed->text() : QString());
            EndRename();
            return true;
        }
        return false;
    }
    auto* tab = qobject_cast<TTabPanel*>(watched);
    if (!tab)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto button = static_cast<QMouseEvent*>(event)->button();
        if (button == Qt::LeftButton || button == Qt::RightButton)
            ActivateTab(tab);
        return false;
    }
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            BeginRename(tab);
        return true;
    case QEvent::Enter:
        if (tab != FActive)
            SetBold(tab, true);
        return false;
    case QEvent::Leave:
        if (tab != FActive)
            SetBold(tab, false);
        return false;
    default:
        return false;
    }
}
