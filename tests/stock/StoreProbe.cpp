// A second program on the same store, for the tests: opens the store and books or imports as
// another workstation would, and says how it went in its exit status (0 done, 5 refused because
// the stock changed, 6 a store error, whose kind it prints) and on stdout.
//   store_probe book URL MATERIAL ROW_KEY OFFCUT   waits for a line on stdin after "ready", then
//                                                  books one rod of the row, the offcut and a
//                                                  leftover of 900
//   store_probe import URL MATERIAL ROWS [--file-size-limit BYTES] [--as-nobody]
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <csignal>
#include <iostream>
#include <string>

#include "stock/StockStore.h"

namespace {

int storeFailed(const marlo::StoreError& error) {
    std::cout << "error " << static_cast<int>(error.kind) << ' ' << error.detail << std::endl;
    return 6;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() < 4) return 2;
    const std::string& command = arguments[0];
    for (size_t i = 4; i < arguments.size(); ++i) {
        if (arguments[i] == "--file-size-limit" && i + 1 < arguments.size()) {
            // A full disk: writes beyond the limit fail instead of ending the program.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlim_t limit = std::stoul(arguments[++i]);
            const rlimit fileSize{limit, limit};
            if (setrlimit(RLIMIT_FSIZE, &fileSize) != 0) return 3;
        } else if (arguments[i] == "--as-nobody" && geteuid() == 0) {
            // Root may write any file; an ordinary user meets the file's permissions.
            if (setgid(65534) != 0 || setuid(65534) != 0) return 3;
        }
    }

    auto opened = marlo::StockStore::open(arguments[1]);
    if (!opened.value) return storeFailed(opened.error);
    marlo::StockStore& store = **opened.value;

    if (command == "book" && arguments.size() == 5) {
        std::cout << "ready" << std::endl;
        std::string go;
        std::getline(std::cin, go);
        const marlo::StockUsage usage{
            arguments[2], {{std::stoll(arguments[3]), 6000, 1}}, {arguments[4]}, {{900, 1}}, {}};
        const marlo::BookingResult result = store.book(usage);
        if (result.status == marlo::BookingResult::Status::StockChanged) return 5;
        if (result.status != marlo::BookingResult::Status::Done) return storeFailed(result.error);
        std::cout << "booked " << result.newOffcuts.at(0).id << std::endl;
        return 0;
    }
    if (command == "import") {
        marlo::StockList list;
        for (int row = 1; row <= std::stoi(arguments[3]); ++row)
            list.items.push_back(
                {static_cast<int16_t>(1000 + row), row, 1.5 * row, marlo::StockKind::Rod, ""});
        if (const marlo::StoreError error = store.replaceStock(arguments[2], list))
            return storeFailed(error);
        return 0;
    }
    return 2;
}
