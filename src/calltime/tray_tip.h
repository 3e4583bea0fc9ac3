#pragma once

#include <QString>

// The tray icon's tip as the call clock sees it. The notification area keeps
// at most 63 characters of a tip, so every tip is cut here, in one place,
// before it reaches the icon.
class TrayTip
{
public:
    static constexpr qsizetype kMaxLength = 63;

    virtual ~TrayTip() = default;

    void SetTrayTip(const QString &text) { showTip(text.left(kMaxLength)); }

protected:
    virtual void showTip(const QString &tip) = 0;
};
