/* Starts a program and prints, in milliseconds from just before fork, when its top-level
 * window was mapped, first drawn into (XDamage) and focused (FocusIn), and its peak resident
 * memory, then closes it with WM_DELETE_WINDOW.
 *
 * Output, one line: map_ms paint_ms focus_ms ready_ms vmhwm_kb maxrss_kb
 * ready is the later of the first paint after the map and the focus. Exit status 3: the
 * window was mapped before the probe could watch it (a heavily loaded machine); try again. */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#define MAX_TRACKED 256

static double now_ms(void) {
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return (double)ts.tv_sec * 1e3 + (double)ts.tv_nsec / 1e6;
}

static long window_pid(Display* display, Window window, Atom net_wm_pid) {
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = NULL;
  long pid = -1;
  if (XGetWindowProperty(display, window, net_wm_pid, 0, 1, False, XA_CARDINAL, &type, &format,
                         &count, &after, &data) == Success &&
      data != NULL && count == 1 && format == 32) {
    pid = *(long*)data;
  }
  if (data != NULL) {
    XFree(data);
  }
  return pid;
}

static long vm_hwm_kb(pid_t pid) {
  char path[64];
  snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
  FILE* file = fopen(path, "r");
  if (file == NULL) {
    return -1;
  }
  char line[256];
  long kb = -1;
  while (fgets(line, sizeof line, file) != NULL) {
    if (sscanf(line, "VmHWM: %ld kB", &kb) == 1) {
      break;
    }
  }
  fclose(file);
  return kb;
}

static int ignore_errors(Display* display, XErrorEvent* error) {
  /* Windows of other clients can vanish between an event and our request about them. */
  (void)display;
  (void)error;
  return 0;
}

int main(int argc, char** argv) {
  int any_pid = 0; /* accept any _NET_WM_PID: the program runs under a wrapper such as strace */
  int first = 1;
  if (argc > 1 && strcmp(argv[1], "-a") == 0) {
    any_pid = 1;
    first = 2;
  }
  if (argc <= first) {
    fprintf(stderr, "usage: startup_probe [-a] PROGRAM [ARGS...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(NULL);
  if (display == NULL) {
    fprintf(stderr, "startup_probe: cannot open the display\n");
    return 1;
  }
  int damage_event, damage_error;
  if (!XDamageQueryExtension(display, &damage_event, &damage_error)) {
    fprintf(stderr, "startup_probe: no DAMAGE extension\n");
    return 1;
  }
  XSetErrorHandler(ignore_errors);
  Atom net_wm_pid = XInternAtom(display, "_NET_WM_PID", False);
  Atom wm_protocols = XInternAtom(display, "WM_PROTOCOLS", False);
  Atom wm_delete = XInternAtom(display, "WM_DELETE_WINDOW", False);
  Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  Window tracked[MAX_TRACKED];
  double damaged_at[MAX_TRACKED];
  int tracked_count = 0;

  double start = now_ms();
  pid_t child = fork();
  if (child < 0) {
    perror("startup_probe: fork");
    return 1;
  }
  if (child == 0) {
    close(ConnectionNumber(display));
    execvp(argv[first], argv + first);
    perror("startup_probe: exec");
    _exit(127);
  }

  Window target = None;
  double map_at = -1, paint_at = -1, focus_at = -1;
  double deadline = start + 20000;
  int late = 0;
  while (!(target != None && paint_at >= 0 && focus_at >= 0)) {
    if (XPending(display) == 0) {
      double left = deadline - now_ms();
      if (left <= 0) {
        break;
      }
      struct pollfd fd = {.fd = ConnectionNumber(display), .events = POLLIN};
      poll(&fd, 1, (int)left + 1);
      if (XPending(display) == 0) {
        continue;
      }
    }
    XEvent event;
    XNextEvent(display, &event);
    double at = now_ms();
    if (event.type == CreateNotify && event.xcreatewindow.parent == root &&
        !event.xcreatewindow.override_redirect && tracked_count < MAX_TRACKED) {
      Window window = event.xcreatewindow.window;
      XSelectInput(display, window, StructureNotifyMask | FocusChangeMask);
      XDamageCreate(display, window, XDamageReportNonEmpty);
      XWindowAttributes attributes;
      if (XGetWindowAttributes(display, window, &attributes) &&
          attributes.map_state != IsUnmapped) {
        long pid = window_pid(display, window, net_wm_pid);
        if (pid > 0 && (any_pid || pid == (long)child)) {
          late = 1; /* its MapNotify is lost: the run cannot be timed */
          break;
        }
      }
      tracked[tracked_count] = window;
      damaged_at[tracked_count] = -1;
      ++tracked_count;
    } else if (event.type == MapNotify && target == None &&
               event.xmap.event == event.xmap.window) {
      long pid = window_pid(display, event.xmap.window, net_wm_pid);
      if (pid > 0 && (any_pid || pid == (long)child)) {
        target = event.xmap.window;
        map_at = at;
      }
    } else if (event.type == FocusIn && event.xfocus.window == target && target != None &&
               event.xfocus.detail != NotifyPointer && focus_at < 0) {
      focus_at = at;
    } else if (event.type == damage_event + XDamageNotify) {
      XDamageNotifyEvent* damage = (XDamageNotifyEvent*)&event;
      XDamageSubtract(display, damage->damage, None, None);
      for (int i = 0; i < tracked_count; ++i) {
        if (tracked[i] == damage->drawable && damaged_at[i] < 0) {
          damaged_at[i] = at;
        }
      }
    }
    if (target != None && paint_at < 0) {
      for (int i = 0; i < tracked_count; ++i) {
        if (tracked[i] == target && damaged_at[i] >= map_at) {
          paint_at = damaged_at[i];
        }
      }
    }
  }

  long hwm = vm_hwm_kb(child);
  int ok = target != None && paint_at >= 0 && focus_at >= 0;
  if (target != None) {
    XEvent close_event;
    memset(&close_event, 0, sizeof close_event);
    close_event.xclient.type = ClientMessage;
    close_event.xclient.window = target;
    close_event.xclient.message_type = wm_protocols;
    close_event.xclient.format = 32;
    close_event.xclient.data.l[0] = (long)wm_delete;
    close_event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, target, False, NoEventMask, &close_event);
    XFlush(display);
  }
  int status = 0;
  struct rusage usage;
  memset(&usage, 0, sizeof usage);
  double give_up = now_ms() + 3000;
  pid_t waited;
  while ((waited = wait4(child, &status, WNOHANG, &usage)) == 0 && now_ms() < give_up) {
    usleep(2000);
  }
  if (waited == 0) {
    fprintf(stderr, "startup_probe: the program did not close, killed\n");
    kill(child, SIGKILL);
    wait4(child, &status, 0, &usage);
  }
  if (late) {
    fprintf(stderr, "startup_probe: the window was mapped before the probe watched it\n");
    return 3;
  }
  if (!ok) {
    fprintf(stderr, "startup_probe: no focused, painted top-level within 20 s (%s%s%s)\n",
            target == None ? "no map" : "mapped", paint_at < 0 ? ", no paint" : "",
            focus_at < 0 ? ", no focus" : "");
    return 1;
  }
  double ready = paint_at > focus_at ? paint_at : focus_at;
  printf("%.2f %.2f %.2f %.2f %ld %ld\n", map_at - start, paint_at - start, focus_at - start,
         ready - start, hwm, usage.ru_maxrss);
  return 0;
}
