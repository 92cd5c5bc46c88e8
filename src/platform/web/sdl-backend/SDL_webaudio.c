/*
 * Tarvello's browser backend for SDL 1.2, audio: "web".
 *
 * Plays SDL's audio through the page's Web Audio: signed 16-bit stereo at the rate asked for
 * (the AudioContext is made at that rate), fed by a script processor that calls the
 * application's callback (SDL_mixer's) between the program's own steps, so no thread and
 * no lock are needed. Browsers start sound only after the page's first key, click or touch:
 * until then the context is suspended and the callback is not called, as if paused.
 * Module.webAudio.samples counts the frames played that were not silent, for tests.
 */
#include "SDL_config.h"

#if SDL_AUDIO_DRIVER_WEB

#include <emscripten.h>

/* SDL's own header first, then its internals. */
// clang-format off
#include "SDL_audio.h"
#include "../SDL_audio_c.h"
#include "../SDL_sysaudio.h"
// clang-format on

/* The device, as "this" in every driver function. */
#undef _THIS
#define _THIS SDL_AudioDevice* this

struct SDL_PrivateAudioData {
    Uint8* buffer;
};

static SDL_AudioDevice* playing;

/* Fills the buffer with the next frames and returns it; called from the page's audio. */
EMSCRIPTEN_KEEPALIVE Uint8* WEB_AudioFill(void) {
    SDL_AudioDevice* audio = playing;
    if (!audio) return NULL;
    if (!audio->enabled || audio->paused) {
        SDL_memset(audio->hidden->buffer, audio->spec.silence, audio->spec.size);
    } else {
        audio->spec.callback(audio->spec.userdata, audio->hidden->buffer, audio->spec.size);
    }
    return audio->hidden->buffer;
}

// clang-format off
EM_JS(int, web_open_audio, (int rate, int frames), {
    var Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return 0;
    var context;
    try {
        context = new Context({sampleRate : rate});
    } catch (error) {
        return 0;
    }
    var node = context.createScriptProcessor(frames, 0, 2);
    var audio = Module.webAudio = {context : context, node : node, samples : 0, frames : 0};
    node.onaudioprocess = function(event) {
        var left = event.outputBuffer.getChannelData(0);
        var right = event.outputBuffer.getChannelData(1);
        var buffer = _WEB_AudioFill();
        if (!buffer) {
            left.fill(0);
            right.fill(0);
            return;
        }
        var samples = HEAP16.subarray(buffer >> 1, (buffer >> 1) + 2 * frames);
        var loud = 0;
        for (var i = 0; i < frames; ++i) {
            left[i] = samples[2 * i] / 32768;
            right[i] = samples[2 * i + 1] / 32768;
            if (samples[2 * i] || samples[2 * i + 1]) ++loud;
        }
        audio.samples += loud;
        audio.frames += frames;
    };
    node.connect(context.destination);
    function wake() {
        if (context.state == 'suspended') context.resume();
    }
    ['keydown', 'mousedown', 'touchstart'].forEach(function(name) {
        window.addEventListener(name, wake, true);
    });
    return context.sampleRate;
});
// clang-format on

// clang-format off
EM_JS(void, web_close_audio, (void), {
    var audio = Module.webAudio;
    if (!audio) return;
    audio.node.onaudioprocess = null;
    audio.node.disconnect();
    audio.context.close();
});
// clang-format on

static int WEB_OpenAudio(_THIS, SDL_AudioSpec* wanted) {
    int frames = 4096, rate;
    while (frames > 256 && frames > wanted->samples) frames /= 2;
    rate = web_open_audio(wanted->freq, frames);
    if (rate <= 0) {
        SDL_SetError("This browser cannot play sound");
        return -1;
    }
    wanted->freq = rate;
    wanted->format = AUDIO_S16LSB;
    wanted->channels = 2;
    wanted->samples = frames;
    SDL_CalculateAudioSpec(wanted);
    this->hidden->buffer = SDL_malloc(wanted->size);
    if (!this->hidden->buffer) {
        web_close_audio();
        SDL_OutOfMemory();
        return -1;
    }
    playing = this;
    /* 1: SDL starts no thread of its own; the page calls WEB_AudioFill. */
    return 1;
}

static void WEB_CloseAudio(_THIS) {
    playing = NULL;
    web_close_audio();
    SDL_free(this->hidden->buffer);
    this->hidden->buffer = NULL;
}

static int WEB_Available(void) { return 1; }

static void WEB_DeleteDevice(SDL_AudioDevice* device) {
    SDL_free(device->hidden);
    SDL_free(device);
}

static SDL_AudioDevice* WEB_CreateDevice(int index) {
    SDL_AudioDevice* device = SDL_calloc(1, sizeof *device);
    if (device) device->hidden = SDL_calloc(1, sizeof *device->hidden);
    if (!device || !device->hidden) {
        SDL_free(device);
        SDL_OutOfMemory();
        return NULL;
    }
    device->OpenAudio = WEB_OpenAudio;
    device->CloseAudio = WEB_CloseAudio;
    device->free = WEB_DeleteDevice;
    return device;
}

AudioBootStrap WEBAUD_bootstrap = {"web", "Tarvello's Web Audio", WEB_Available, WEB_CreateDevice};

#endif /* SDL_AUDIO_DRIVER_WEB */
