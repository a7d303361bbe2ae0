/* The floor for the start-up benchmark: the least a program can do to put a focused, painted
 * top-level window on the screen with raw Xlib. Like Qt's windows it has no background, so
 * the first damage the probe sees is its own drawing and not the server's fill at map time. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

int main(void) {
  Display* display = XOpenDisplay(NULL);
  if (display == NULL) {
    fprintf(stderr, "xlib_floor: cannot open the display\n");
    return 1;
  }
  int screen = DefaultScreen(display);
  XSetWindowAttributes attributes;
  memset(&attributes, 0, sizeof attributes);
  attributes.background_pixmap = None;
  attributes.event_mask = ExposureMask | StructureNotifyMask | KeyPressMask | FocusChangeMask;
  Window window = XCreateWindow(display, RootWindow(display, screen), 0, 0, 400, 300, 0,
                                CopyFromParent, InputOutput, CopyFromParent,
                                CWBackPixmap | CWEventMask, &attributes);

  XStoreName(display, window, "xlib_floor");
  XWMHints hints;
  memset(&hints, 0, sizeof hints);
  hints.flags = InputHint | StateHint;
  hints.input = True;
  hints.initial_state = NormalState;
  XSetWMHints(display, window, &hints);
  long pid = (long)getpid();
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                  PropModeReplace, (unsigned char*)&pid, 1);
  Atom wm_protocols = XInternAtom(display, "WM_PROTOCOLS", False);
  Atom wm_delete = XInternAtom(display, "WM_DELETE_WINDOW", False);
  XSetWMProtocols(display, window, &wm_delete, 1);

  GC gc = XCreateGC(display, window, 0, NULL);
  XMapWindow(display, window);

  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == Expose && event.xexpose.count == 0) {
      XSetForeground(display, gc, 0xD4D0C8);
      XFillRectangle(display, window, gc, 0, 0, 400, 300);
      XSetForeground(display, gc, BlackPixel(display, screen));
      XDrawString(display, window, gc, 20, 40, "floor", 5);
      XFlush(display);
    } else if (event.type == ClientMessage && event.xclient.message_type == wm_protocols &&
               (Atom)event.xclient.data.l[0] == wm_delete) {
      break;
    }
  }
  XFreeGC(display, gc);
  XDestroyWindow(display, window);
  XCloseDisplay(display);
  return 0;
}
