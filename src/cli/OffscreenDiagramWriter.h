#pragma once

#include <QGuiApplication>
#include <memory>
#include <string>

#include "diagram/DiagramLayout.h"

namespace marlo {

// Writes the command line's diagram files with Qt's painting. Fonts need a Qt GUI application;
// the first diagram starts one on the offscreen platform, so that no display is needed.
class OffscreenDiagramWriter {
  public:
    bool operator()(const DiagramLayout& layout, const std::string& path, const std::string& title);

  private:
    int argc_ = 3;
    char program_[15] = "marlo-veen-cli";
    char platformOption_[10] = "-platform";
    char platform_[10] = "offscreen";
    char* argv_[4] = {program_, platformOption_, platform_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

}  // namespace marlo
