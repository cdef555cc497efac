#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace bm::ui {

// Base of every presentation model: views subscribe and redraw whenever the
// model says its shown state changed.
class Model {
public:
    using Listener = std::function<void()>;

    Model() = default;
    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;
    virtual ~Model() = default;

    void subscribe(Listener listener) { listeners_.push_back(std::move(listener)); }

protected:
    void changed() {
        for (const auto& listener : listeners_) {
            listener();
        }
    }

private:
    std::vector<Listener> listeners_;
};

} // namespace bm::ui
