// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class TfmMessage;

// The program's default error handler and the one boundary that hands errors to it.
//
// Qt leaves an exception that leaves a slot, an event handler or a timer callback undefined, so
// every user action that can reach a query (a menu entry, a key, a timer) runs inside
// RunGuarded: an exception it throws (a failed query raises DatabaseError) is shown as text in
// the message box, and the program goes on.

// The message box errors are shown in; none: errors are only logged.
void SetErrorBox(TfmMessage* box);
// Logs the error's text and shows it in the message box.
void ShowError(const QString& text);
// Runs the action; an exception from it goes to ShowError instead of onward.
void RunGuarded(const std::function<void()>& action);
