#pragma once

#include <QProxyStyle>

namespace fc {

// The application's style with its frames, focus marks and their margins scaled by
// the zoom. Controls use it only while the zoom is not 100%. One instance serves the
// whole run: its base style is made once and each zoom step only changes the factor.
class ZoomStyle : public QProxyStyle {
public:
    ZoomStyle();

    double factor() const { return m_zoom; }
    void setFactor(double zoom) { m_zoom = zoom; }

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;

private:
    template <typename Option>
    void drawAtBase(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                    const QWidget *widget) const;

    double m_zoom = 1.0;
};

}  // namespace fc
