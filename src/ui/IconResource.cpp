#include "ui/IconResource.h"

#include "ui/Dpi.h"

UniqueIcon LoadIconAtMetric(HINSTANCE instance, int id, int widthMetric, int heightMetric) {
    const unsigned dpi = SystemDpi();
    return UniqueIcon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON,
                                                    SystemMetricForDpi(widthMetric, dpi),
                                                    SystemMetricForDpi(heightMetric, dpi), LR_DEFAULTCOLOR)));
}
