// The view's two scroll bars as the view logic sees them: a range and a position each, in
// world units. The desktop view implements them with its QScrollBars; ScrollBarValues keeps
// plain values for the batch tool and the tests.
#pragma once

enum class ScrollBar { Horizontal, Vertical };

class IScrollBars {
  public:
    virtual ~IScrollBars() = default;

    // A maximum below the minimum is taken as the minimum; the position is kept inside.
    virtual void SetRange(ScrollBar bar, int minimum, int maximum) = 0;
    virtual int Minimum(ScrollBar bar) const = 0;
    virtual int Maximum(ScrollBar bar) const = 0;
    virtual int Position(ScrollBar bar) const = 0;
    // clamped to the range
    virtual void SetPosition(ScrollBar bar, int position) = 0;
    virtual void SetEnabled(ScrollBar bar, bool enabled) = 0;
    virtual bool IsEnabled(ScrollBar bar) const = 0;
};

class ScrollBarValues : public IScrollBars {
  public:
    void SetRange(ScrollBar bar, int minimum, int maximum) override {
        Bar& b = Get(bar);
        b.minimum = minimum;
        b.maximum = maximum < minimum ? minimum : maximum;
        b.position = Clamp(b, b.position);
    }
    int Minimum(ScrollBar bar) const override { return Get(bar).minimum; }
    int Maximum(ScrollBar bar) const override { return Get(bar).maximum; }
    int Position(ScrollBar bar) const override { return Get(bar).position; }
    void SetPosition(ScrollBar bar, int position) override {
        Bar& b = Get(bar);
        b.position = Clamp(b, position);
    }
    void SetEnabled(ScrollBar bar, bool enabled) override { Get(bar).enabled = enabled; }
    bool IsEnabled(ScrollBar bar) const override { return Get(bar).enabled; }

  private:
    struct Bar {
        int minimum = 0;
        int maximum = 0;
        int position = 0;
        bool enabled = true;
    };
    static int Clamp(const Bar& b, int position) {
        if (position < b.minimum)
            return b.minimum;
        if (position > b.maximum)
            return b.maximum;
        return position;
    }
    Bar& Get(ScrollBar bar) { return bar == ScrollBar::Horizontal ? horizontal_ : vertical_; }
    const Bar& Get(ScrollBar bar) const {
        return bar == ScrollBar::Horizontal ? horizontal_ : vertical_;
    }

    Bar horizontal_;
    Bar vertical_;
};
