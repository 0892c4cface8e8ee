// Runs a command with an X resource of the display set as a desktop's
// settings set it: x_resources Xft.dpi 144 command [arguments...] writes
// "Xft.dpi:<tab>144" into the root window's RESOURCE_MANAGER property of
// $DISPLAY, as xrdb writes it, then runs the command in its place. Programs
// read the resources when they connect, so they are set first; the display
// must have another client meanwhile (a window manager), or the server
// resets and drops them when this one goes.

#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c) != 0) return 3;
  const char name[] = "RESOURCE_MANAGER";
  xcb_intern_atom_reply_t* atom =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr);
  if (atom == nullptr) return 3;
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const std::string resources = std::string(argv[1]) + ":\t" + argv[2] + "\n";
  const xcb_void_cookie_t set = xcb_change_property_checked(
      c, XCB_PROP_MODE_REPLACE, screen->root, atom->atom, XCB_ATOM_STRING, 8,
      static_cast<std::uint32_t>(resources.size()), resources.data());
  xcb_generic_error_t* error = xcb_request_check(c, set);
  std::free(atom);
  xcb_disconnect(c);
  if (error != nullptr) {
    std::free(error);
    return 3;
  }
  execvp(argv[3], argv + 3);
  return 4;
}
