#pragma once
#include <SDL.h>

#include <utility>
#include <vector>

// A controller without hardware: SDL's virtual joystick in the standard layout; unplugged when destroyed.
class VirtualPad {
public:
    VirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.userdata = &motors;
        desc.Rumble = [](void* motors, Uint16 low, Uint16 high) {
            static_cast<std::vector<std::pair<int, int>>*>(motors)->emplace_back(low, high);
            return 0;
        };
        joystick = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
    }
    ~VirtualPad() {
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick);
        SDL_JoystickClose(joystick);
        for (int device = 0; device < SDL_NumJoysticks(); ++device)
            if (SDL_JoystickGetDeviceInstanceID(device) == id) SDL_JoystickDetachVirtual(device);
    }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;
    VirtualPad& button(SDL_GameControllerButton which, bool down) { SDL_JoystickSetVirtualButton(joystick, which, down); return *this; }
    VirtualPad& axis(SDL_GameControllerAxis which, int value) { SDL_JoystickSetVirtualAxis(joystick, which, value); return *this; }

    // The motor strengths (low, high) the device was set to, in order.
    std::vector<std::pair<int, int>> motors;

private:
    SDL_Joystick* joystick = nullptr;
};
