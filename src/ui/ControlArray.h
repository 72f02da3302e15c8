// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

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
    using ClickHandler = std::function<void(qint16 index)>;

    ControlArray() = default;
    ControlArray(const ControlArray &) = delete;
    ControlArray &operator=(const ControlArray &) = delete;

    Control &operator()(qint16 index) { return *elements_.at(std::size_t(index)); }
    const Control &operator()(qint16 index) const { return *elements_.at(std::size_t(index)); }

    qint16 count() const { return qint16(elements_.size()); }

    // Creates the next element, with the next index.
    template<typename... Args> Control &load(Args &&...args)
    {
        const auto index = count();
        Control &element
            = *elements_.emplace_back(std::make_unique<Control>(std::forward<Args>(args)...));
        if constexpr (requires { element.onClick(std::function<void()>()); })
            element.onClick([this, index] { raiseClick(index); });
        return element;
    }

    void onClick(ClickHandler handler) { clickHandler_ = std::move(handler); }

private:
    void raiseClick(qint16 index)
    {
        if (clickHandler_)
            clickHandler_(index);
    }

    std::vector<std::unique_ptr<Control>> elements_;
    ClickHandler clickHandler_;
};

} // namespace ui
