#include "app/session.h"

namespace zeru::app {

// The device flows (device/) and the file flows (cfgfile/) are attached here
// once they exist; until then the five buttons do nothing.
std::unique_ptr<CommandSession> createSession(TForm1&, UserInterface&) { return nullptr; }

}  // namespace zeru::app
