#include "ui/job/ListTransfer.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <filesystem>

#include "i18n/texts/CoreTexts.h"
#include "i18n/texts/DesktopTexts.h"
#include "jobfile/JobFile.h"
#include "model/ListRowCheck.h"
#include "ui/common/FilePaths.h"
#include "ui/job/JobEditor.h"

namespace marlo {

namespace {

using namespace desktop_text;

constexpr int kListFilesFirst = 2;  // the filter of CSV lists is shown first
// A message names this many refused rows and counts the rest.
constexpr std::size_t kNamedRefusals = 20;

}  // namespace

ListTransfer::ListTransfer(QWidget* window, Dialogs& dialogs, WindowMessages& messages,
                           const JobState& state, JobEditor& editor)
    : window_(window), dialogs_(dialogs), messages_(messages), state_(state), editor_(editor) {}

FileRequest ListTransfer::request() const {
    // A list exported from a job file is proposed under the job's name.
    QString proposal;
    if (!state_.fileName.isEmpty()) {
        const QFileInfo job(state_.fileName);
        proposal = job.dir().filePath(job.completeBaseName() + QStringLiteral(".csv"));
    }
    return {messages_.text(kListFilter), kListFilesFirst, proposal};
}

std::size_t ListTransfer::room() const {
    // The list stays within what a job file holds, so that it can still be saved.
    return state_.list.size() < kMaxJobFileRows ? kMaxJobFileRows - state_.list.size() : 0;
}

void ListTransfer::pasteList() {
    const QString text = QGuiApplication::clipboard()->text();
    takeRows(parseListText(text.toStdString(), room()));
}

void ListTransfer::importList() {
    const std::optional<QString> path = dialogs_.openFileName(window_, request());
    if (!path || path->isEmpty()) return;
    ListFileRead read = readListFile(filePath(*path), room());
    switch (read.status) {
        case ListFileStatus::Read:
            takeRows(std::move(read.list));
            break;
        case ListFileStatus::CannotRead:
            messages_.showError(messages_.text(msg::kCannotReadFile) + *path);
            break;
        case ListFileStatus::NotAListFile:
            messages_.showError(messages_.text(kNotAListFile) + *path);
            break;
    }
}

void ListTransfer::exportList() {
    const std::optional<QString> path = dialogs_.saveFileName(window_, request());
    if (!path || path->isEmpty()) return;
    if (!writeListFile(filePath(*path), state_.list,
                       messages_.text(core_text::kDimension).toStdString(),
                       messages_.text(core_text::kPieces).toStdString()))
        messages_.showError(messages_.text(msg::kCannotWriteFile) + *path);
}

void ListTransfer::takeRows(ListText text) {
    std::vector<ListTextRow>& rows = text.rows;
    const int16_t rodLength = state_.parameters.rodLength;
    const auto longer = [rodLength](const ListTextRow& row) {
        return isLongerThanRod(row.item, rodLength);
    };
    if (const auto count = std::count_if(rows.begin(), rows.end(), longer); count > 0) {
        const QString question = messages_.text(kLongerRowsQuestion) + QString::number(count) +
                                 messages_.text(kLongerRowsQuestionEnd);
        if (messages_.ask(question) != MessageAnswer::Yes) {
            for (const ListTextRow& row : rows)
                if (longer(row)) text.refused.push_back({row.line, RowRefusal::LongerThanRod});
            std::erase_if(rows, longer);
            std::sort(text.refused.begin(), text.refused.end(),
                      [](const RefusedRow& a, const RefusedRow& b) { return a.line < b.line; });
        }
    }

    CuttingList items;
    for (const ListTextRow& row : rows) items.push_back(row.item);
    if (!items.empty()) editor_.appendRows(items);
    if (!text.refused.empty())
        reportRefused(text.refused);
    else if (items.empty())
        messages_.notify(kNoListRows);
}

void ListTransfer::reportRefused(const std::vector<RefusedRow>& refused) {
    QString report = messages_.text(kRefusedRows);
    const std::size_t named = std::min(refused.size(), kNamedRefusals);
    for (std::size_t i = 0; i < named; ++i) {
        report += QLatin1Char('\n') + messages_.text(kRow) + QString::number(refused[i].line) +
                  QStringLiteral(": ") +
                  messages_.text(kRefusalReasons + static_cast<int>(refused[i].reason));
    }
    if (refused.size() > named)
        report +=
            QLatin1Char('\n') + messages_.text(kMoreRows) + QString::number(refused.size() - named);
    messages_.notify(report);
}

}  // namespace marlo
