#pragma once

#include <QProxyStyle>

// The application style with the main window's tooltip timing: a tooltip
// appears 600 ms after the pointer comes to rest.
class TooltipStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 600;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};
