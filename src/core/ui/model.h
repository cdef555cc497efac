#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace bm::ui {

// Keeps one listener connected; destroying it disconnects, so a listener that
// dies before what it listens to is never called afterwards.
class [[nodiscard]] Subscription {
public:
    Subscription() = default;
    explicit Subscription(std::function<void()> disconnect) : disconnect_(std::move(disconnect)) {}
    Subscription(Subscription&& other) noexcept
        : disconnect_(std::exchange(other.disconnect_, {})) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            reset();
            disconnect_ = std::exchange(other.disconnect_, {});
        }
        return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription() { reset(); }

    void reset() {
        if (disconnect_) {
            std::exchange(disconnect_, {})();
        }
    }

private:
    std::function<void()> disconnect_;
};

// A list of listeners told of one kind of change, with what changed (a row,
// say) as arguments. Listeners may disconnect, and connect others, while it
// is being emitted.
template <typename... Args> class Signal {
public:
    using Listener = std::function<void(Args...)>;

    Signal() = default;
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;

    Subscription subscribe(Listener listener) {
        const int id = state_->next++;
        state_->slots.emplace_back(id, std::make_shared<Listener>(std::move(listener)));
        return Subscription([weak = std::weak_ptr<State>(state_), id] {
            if (const auto state = weak.lock()) {
                std::erase_if(state->slots, [id](const auto& slot) { return slot.first == id; });
            }
        });
    }

    void emit(Args... args) const {
        // A copy, so that listeners may come and go meanwhile; one that has
        // gone before its turn is not called.
        const auto slots = state_->slots;
        for (const auto& [id, listener] : slots) {
            if (connected(id)) {
                (*listener)(args...);
            }
        }
    }

private:
    struct State {
        int next = 0;
        std::vector<std::pair<int, std::shared_ptr<Listener>>> slots;
    };
    bool connected(int id) const {
        for (const auto& slot : state_->slots) {
            if (slot.first == id) {
                return true;
            }
        }
        return false;
    }
    std::shared_ptr<State> state_ = std::make_shared<State>();
};

// Base of every presentation model: views subscribe and redraw whenever the
// model says its shown state changed.
class Model {
public:
    using Listener = std::function<void()>;

    Model() = default;
    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;
    virtual ~Model() = default;

    Subscription subscribe(Listener listener) { return changed_.subscribe(std::move(listener)); }

protected:
    void changed() { changed_.emit(); }

private:
    Signal<> changed_;
};

} // namespace bm::ui
