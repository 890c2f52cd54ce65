#pragma once

#include <QString>

#include <atomic>
#include <functional>

class QWidget;

// Work on a history that may rewrite a file of up to a gigabyte or wait for a
// check still storing mail: it runs on a worker, with a progress window once it
// takes a while, and the window thread's events go on until it ends.
namespace HistoryWorker {

using Report = std::function<void(int done, int total)>;

void run(const QString &title, const QString &text, QWidget *parent,
         const std::function<void(const Report &report, const std::atomic_bool &cancel)> &work);

// One runs now: the rows the window lists may be about to change.
bool isRunning();

} // namespace HistoryWorker
