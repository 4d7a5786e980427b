#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace marlo::test {

// The real program run on files in a folder of the test's own, with settings and data of its own.
class ProgramInFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("marlo-cli-files-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string file(const std::string& name, const std::string& bytes) {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
        return (folder_ / name).string();
    }

    std::string text(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    // Runs marlo-veen-cli with the arguments (any bytes); its status, its outputs in out_ and err_.
    int run(const std::vector<std::string>& arguments) {
        const auto quoted = [](const std::string& argument) {
            std::string q = "'";
            for (const char c : argument) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
            return q + "'";
        };
        std::string command = "XDG_CONFIG_HOME=" + quoted((folder_ / "settings").string()) +
                              " XDG_DATA_HOME=" + quoted((folder_ / "data").string()) + " " +
                              quoted(MARLO_CLI_BINARY);
        for (const std::string& argument : arguments) command += " " + quoted(argument);
        command +=
            " >" + quoted((folder_ / "out").string()) + " 2>" + quoted((folder_ / "err").string());
        const int status = std::system(command.c_str());
        out_ = text((folder_ / "out").string());
        err_ = text((folder_ / "err").string());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // What a command prints on its standard output.
    static std::string commandOutput(const std::string& command) {
        std::string text;
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char buffer[4096];
            for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
            pclose(pipe);
        }
        return text;
    }

    std::filesystem::path folder_;
    std::string out_, err_;
};

}  // namespace marlo::test
