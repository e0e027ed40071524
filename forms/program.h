// A program of the suite: it sets the application's title and creates its
// forms (the first is the main window) in its constructor, and holds the
// program's whole state, so that a new object is a freshly started program.
#pragma once

#include <functional>
#include <memory>

namespace forms {

class Application;

class Program {
 public:
  virtual ~Program() = default;
};

using ProgramFactory = std::function<std::unique_ptr<Program>(Application&)>;

}  // namespace forms
