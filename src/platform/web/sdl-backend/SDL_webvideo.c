/*
 * Tarvello's browser backend for SDL 1.2, video and events: "web".
 *
 * Provides one software screen surface of any size, 32 bits in the layout SDL's X11 driver
 * gives on a 24-bit display (red 0xFF0000, green 0xFF00, blue 0xFF), shown on the page's
 * canvas (Module.canvas) by SDL_UpdateRects/SDL_Flip; full screen through the browser's own
 * (the canvas's parent element); the caption as the page's title; the page's own pointer
 * (shown or hidden, never drawn into the picture); and keyboard, mouse and
 * touch events (one finger acts as the left button) from the page, queued by listeners and
 * handed to SDL when it pumps its events. Keys give SDL 1.2's key symbols for the key's
 * unshifted character, as on X11; SDL itself tracks Shift and Caps Lock from them.
 * Built into SDL by scripts/web/build-deps.sh (web-backend.patch wires it into configure).
 */
#include "SDL_config.h"

#if SDL_VIDEO_DRIVER_WEB

#include <emscripten.h>

/* SDL's own header first, then its internals. */
// clang-format off
#include "SDL_video.h"
#include "../../events/SDL_events_c.h"
#include "../../events/SDL_sysevents.h"
#include "../SDL_pixels_c.h"
#include "../SDL_sysvideo.h"
// clang-format on

/* The device, as "this" in every driver function. */
#undef _THIS
#define _THIS SDL_VideoDevice* this

struct SDL_PrivateVideoData {
    Uint32* pixels; /* the screen surface's pixels, in SDL's layout */
    Uint32* rgba;   /* the same pixels in the canvas's byte order, red first, opaque */
    int w, h;
};

// clang-format off
EM_JS(void, web_open_canvas, (int width, int height), {
    var canvas = Module.canvas;
    canvas.width = width;
    canvas.height = height;
    if (Module.webVideo) return;
    var context = canvas.getContext('2d', {alpha : false});
    var queue = [];
    Module.webVideo = {context : context, queue : queue};
    var specials = {
        Backspace : 8, Tab : 9, Enter : 13, NumpadEnter : 271, Escape : 27, Space : 32, Delete : 127,
        ArrowUp : 273, ArrowDown : 274, ArrowRight : 275, ArrowLeft : 276, Insert : 277, Home : 278,
        End : 279, PageUp : 280, PageDown : 281, CapsLock : 301, ShiftRight : 303, ShiftLeft : 304,
        ControlRight : 305, ControlLeft : 306, AltRight : 307, AltLeft : 308,
        Minus : 45, Equal : 61, BracketLeft : 91, BracketRight : 93, Backslash : 92, Semicolon : 59,
        Quote : 39, Backquote : 96, Comma : 44, Period : 46, Slash : 47
    };
    function symbol(event) {
        var code = event.code || "";
        if (/^Key[A-Z]$/.test(code)) return code.charCodeAt(3) + 32;
        if (/^Digit[0-9]$/.test(code)) return code.charCodeAt(5);
        if (/^F([1-9]|1[0-5])$/.test(code)) return 281 + Number(code.substring(1));
        if (specials[code]) return specials[code];
        var key = event.key || "";
        if (key.length == 1 && key.charCodeAt(0) < 128) return key.toLowerCase().charCodeAt(0);
        return 0;
    }
    function key(type) {
        return function(event) {
            var sym = symbol(event);
            if (!sym) return;
            if (sym < 282 || sym > 296) event.preventDefault();
            if (!event.repeat) queue.push([ type, sym, 0 ]);
        };
    }
    function place(x, y) {
        var box = canvas.getBoundingClientRect();
        return [
            Math.floor((x - box.left) * canvas.width / box.width),
            Math.floor((y - box.top) * canvas.height / box.height)
        ];
    }
    function mouse(type) {
        return function(event) {
            var at = place(event.clientX, event.clientY);
            queue.push([ type, at[0], at[1], event.button + 1 ]);
        };
    }
    function touch(type) {
        return function(event) {
            event.preventDefault();
            var finger = event.changedTouches[0];
            var at = place(finger.clientX, finger.clientY);
            queue.push([ 3, at[0], at[1], 0 ]);
            if (type != 3) queue.push([ type, at[0], at[1], 1 ]);
        };
    }
    window.addEventListener('keydown', key(1));
    window.addEventListener('keyup', key(2));
    canvas.addEventListener('mousemove', mouse(3));
    canvas.addEventListener('mousedown', mouse(4));
    window.addEventListener('mouseup', mouse(5));
    canvas.addEventListener('contextmenu', function(event) { event.preventDefault(); });
    canvas.addEventListener('touchstart', touch(4), {passive : false});
    canvas.addEventListener('touchmove', touch(3), {passive : false});
    canvas.addEventListener('touchend', touch(5), {passive : false});
});
// clang-format on

/* The next queued event into fields[0..2]; returns its type (0 when none is left). */
// clang-format off
EM_JS(int, web_next_event, (int *fields), {
    var event = Module.webVideo.queue.shift();
    if (!event) return 0;
    for (var i = 1; i < event.length; ++i) HEAP32[(fields >> 2) + i - 1] = event[i];
    return event[0];
});
// clang-format on

// clang-format off
EM_JS(void, web_show, (Uint32 * rgba, int width, int height, int x, int y, int w, int h), {
    var pixels = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
    Module.webVideo.context.putImageData(new ImageData(pixels, width, height), 0, 0, x, y, w, h);
});
// clang-format on

// clang-format off
EM_JS(void, web_full_screen, (int on), {
    var page = Module.canvas.parentElement || Module.canvas;
    if (on && !document.fullscreenElement && page.requestFullscreen) {
        page.requestFullscreen().catch(function() {});
    } else if (!on && document.fullscreenElement) {
        document.exitFullscreen().catch(function() {});
    }
});
// clang-format on

// clang-format off
EM_JS(void, web_set_title, (const char *title), { document.title = UTF8ToString(title); });

static int WEB_VideoInit(_THIS, SDL_PixelFormat *format) {
    format->BitsPerPixel = 32;
    format->BytesPerPixel = 4;
    format->Rmask = 0xFF0000;
    format->Gmask = 0xFF00;
    format->Bmask = 0xFF;
    this->info.current_w = 600;
    this->info.current_h = 600;
    return 0;
}

static SDL_Rect **WEB_ListModes(_THIS, SDL_PixelFormat *format, Uint32 flags) {
    return format->BitsPerPixel == 32 ? (SDL_Rect **)-1 : NULL;
}

static SDL_Surface *WEB_SetVideoMode(_THIS, SDL_Surface *current, int width, int height, int bpp,
                                     Uint32 flags) {
    struct SDL_PrivateVideoData *data = this->hidden;
    if (!data->pixels || data->w != width || data->h != height) {
        SDL_free(data->pixels);
        SDL_free(data->rgba);
        data->pixels = SDL_calloc(width * height, 4);
        data->rgba = SDL_calloc(width * height, 4);
        if (!data->pixels || !data->rgba) {
            SDL_OutOfMemory();
            return NULL;
        }
        data->w = width;
        data->h = height;
        web_open_canvas(width, height);
    }
    if (!SDL_ReallocFormat(current, 32, 0xFF0000, 0xFF00, 0xFF, 0)) return NULL;
    current->flags = flags & SDL_FULLSCREEN;
    current->w = width;
    current->h = height;
    current->pitch = width * 4;
    current->pixels = data->pixels;
    web_full_screen((flags & SDL_FULLSCREEN) != 0);
    return current;
}

static int WEB_ToggleFullScreen(_THIS, int on) {
    web_full_screen(on);
    return 1;
}

/* Converts one rectangle into the canvas's byte order and shows the part that changed, if any:
 * a still screen, flipped 50 times a second, costs the page nothing. */
static void WEB_UpdateRect(struct SDL_PrivateVideoData* data, const SDL_Rect* r) {
    int top = -1, bottom = -1, left = data->w, right = -1, x, y;
    for (y = r->y; y < r->y + r->h; ++y) {
        const Uint32* from = data->pixels + y * data->w;
        Uint32* to = data->rgba + y * data->w;
        int first = -1, last = -1;
        for (x = r->x; x < r->x + r->w; ++x) {
            const Uint32 p = from[x];
            const Uint32 v =
                0xFF000000u | (p & 0xFF00u) | ((p >> 16) & 0xFFu) | ((p & 0xFFu) << 16);
            if (to[x] != v) {
                to[x] = v;
                if (first < 0) first = x;
                last = x;
            }
        }
        if (first < 0) continue;
        if (top < 0) top = y;
        bottom = y;
        if (first < left) left = first;
        if (last > right) right = last;
    }
    if (top >= 0) {
        web_show(data->rgba, data->w, data->h, left, top, right - left + 1, bottom - top + 1);
    }
}

static void WEB_UpdateRects(_THIS, int count, SDL_Rect* rects) {
    int i;
    for (i = 0; i < count; ++i) {
        if (rects[i].w > 0 && rects[i].h > 0) WEB_UpdateRect(this->hidden, &rects[i]);
    }
}

static int WEB_SetColors(_THIS, int first, int count, SDL_Color *colors) { return 0; }

static int WEB_AllocHWSurface(_THIS, SDL_Surface *surface) { return -1; }
static void WEB_FreeHWSurface(_THIS, SDL_Surface *surface) {}
static int WEB_LockHWSurface(_THIS, SDL_Surface *surface) { return 0; }
static void WEB_UnlockHWSurface(_THIS, SDL_Surface *surface) {}

static void WEB_SetCaption(_THIS, const char *title, const char *icon) {
    if (title) web_set_title(title);
}

/* The pointer is the page's own, over the canvas, never drawn into the picture. */
struct WMcursor {
    int unused;
};

// clang-format off
EM_JS(void, web_show_pointer, (int on), { Module.canvas.style.cursor = on ? "default" : "none"; });
// clang-format on

static WMcursor* WEB_CreateWMCursor(_THIS, Uint8* data, Uint8* mask, int w, int h, int x, int y) {
    WMcursor* cursor = SDL_calloc(1, sizeof *cursor);
    if (!cursor) SDL_OutOfMemory();
    return cursor;
}

static void WEB_FreeWMCursor(_THIS, WMcursor* cursor) { SDL_free(cursor); }

static int WEB_ShowWMCursor(_THIS, WMcursor* cursor) {
    web_show_pointer(cursor != NULL);
    return 1;
}

static void WEB_InitOSKeymap(_THIS) {}

static void WEB_PumpEvents(_THIS) {
    int fields[3];
    int type;
    while ((type = web_next_event(fields)) != 0) {
        if (type <= 2) {
            SDL_keysym key;
            SDL_memset(&key, 0, sizeof key);
            key.sym = (SDLKey)fields[0];
            SDL_PrivateKeyboard(type == 1 ? SDL_PRESSED : SDL_RELEASED, &key);
        } else if (type == 3) {
            SDL_PrivateMouseMotion(0, 0, (Sint16)fields[0], (Sint16)fields[1]);
        } else {
            SDL_PrivateMouseButton(type == 4 ? SDL_PRESSED : SDL_RELEASED, (Uint8)fields[2],
                                   (Sint16)fields[0], (Sint16)fields[1]);
        }
    }
}

static void WEB_VideoQuit(_THIS) {
    SDL_free(this->hidden->pixels);
    SDL_free(this->hidden->rgba);
    this->hidden->pixels = this->hidden->rgba = NULL;
    if (this->screen) this->screen->pixels = NULL;
}

static int WEB_Available(void) { return 1; }

static void WEB_DeleteDevice(SDL_VideoDevice* device) {
    SDL_free(device->hidden);
    SDL_free(device);
}

static SDL_VideoDevice* WEB_CreateDevice(int index) {
    SDL_VideoDevice* device = SDL_calloc(1, sizeof *device);
    if (device) device->hidden = SDL_calloc(1, sizeof *device->hidden);
    if (!device || !device->hidden) {
        SDL_free(device);
        SDL_OutOfMemory();
        return NULL;
    }
    device->VideoInit = WEB_VideoInit;
    device->ListModes = WEB_ListModes;
    device->SetVideoMode = WEB_SetVideoMode;
    device->ToggleFullScreen = WEB_ToggleFullScreen;
    device->SetColors = WEB_SetColors;
    device->UpdateRects = WEB_UpdateRects;
    device->VideoQuit = WEB_VideoQuit;
    device->AllocHWSurface = WEB_AllocHWSurface;
    device->LockHWSurface = WEB_LockHWSurface;
    device->UnlockHWSurface = WEB_UnlockHWSurface;
    device->FreeHWSurface = WEB_FreeHWSurface;
    device->SetCaption = WEB_SetCaption;
    device->CreateWMCursor = WEB_CreateWMCursor;
    device->FreeWMCursor = WEB_FreeWMCursor;
    device->ShowWMCursor = WEB_ShowWMCursor;
    device->InitOSKeymap = WEB_InitOSKeymap;
    device->PumpEvents = WEB_PumpEvents;
    device->free = WEB_DeleteDevice;
    return device;
}

VideoBootStrap WEB_bootstrap = {"web", "Tarvello's browser canvas", WEB_Available,
                                WEB_CreateDevice};

#endif /* SDL_VIDEO_DRIVER_WEB */
