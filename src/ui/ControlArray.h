// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Text.h"

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace ui {

// A group of like controls addressed by a 16-bit index. Its elements share
// one click handler, which learns the index of the element that raised it.
template<typename Control> class ControlArray
{
public:
    using ClickHandler = std::function<void(Index index)>;

    ControlArray() = default;
    ControlArray(const ControlArray &) = delete;
    ControlArray &operator=(const ControlArray &) = delete;

    Control &operator()(Index index) { return *elements_.at(std::size_t(index)); }
    const Control &operator()(Index index) const { return *elements_.at(std::size_t(index)); }

    Index count() const { return Index(elements_.size()); }

    // Creates the next element, with the next index, as the toolkit's own kind.
    template<typename Kind, typename... Args> Kind &load(Args &&...args)
    {
        const auto index = count();
        auto element = std::make_unique<Kind>(std::forward<Args>(args)...);
        Kind &loaded = *element;
        elements_.push_back(std::move(element));
        if constexpr (requires { loaded.onClick(ClickNotice()); })
            loaded.onClick([this, index] { raiseClick(index); });
        return loaded;
    }

    void onClick(ClickHandler handler) { clickHandler_ = std::move(handler); }

private:
    void raiseClick(Index index)
    {
        if (clickHandler_)
            clickHandler_(index);
    }

    std::vector<std::unique_ptr<Control>> elements_;
    ClickHandler clickHandler_;
};

} // namespace ui
