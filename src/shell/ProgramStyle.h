#pragma once

#include <QProxyStyle>

namespace fc {

// The desktop's own style, except that the overflow buttons' icons of menu bars and
// tool bars are read from their image files only when first drawn. Every menu bar
// asks for its icon as it is built, and the first image read loads Qt's image format
// plugins: a tenth of the program's start-up, for a button that shows only when a
// window is too narrow for its menus.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Makes the program's style the application's, once; later calls do nothing.
    static void install();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

    // The name QStyleFactory knows the desktop's style by, for styles built on it.
    static QString desktopStyleName();

private:
    explicit ProgramStyle(QStyle *desktopStyle);
};

}  // namespace fc
