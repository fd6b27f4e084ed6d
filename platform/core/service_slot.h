#pragma once

namespace platform {

// One process-wide service of the runtime (message boxes, automation objects):
// the real implementation unless a test has put a double in its place.
template <class Interface>
class ServiceSlot {
public:
    static Interface &get() { return current_ ? *current_ : defaultInstance(); }

    // The real implementation; each service defines it next to its class.
    static Interface &defaultInstance();

    // Puts `replacement` in place for this object's lifetime.
    class Override {
    public:
        explicit Override(Interface &replacement) : previous_(current_) { current_ = &replacement; }
        ~Override() { current_ = previous_; }
        Override(const Override &) = delete;
        Override &operator=(const Override &) = delete;

    private:
        Interface *previous_;
    };

private:
    static inline Interface *current_ = nullptr;
};

} // namespace platform
