.pragma library

// The window's metrics under the window's names, as a page hands them to its
// sections and rows (usually the window itself). These defaults are the
// window's own values, for a section shown without the window.
var defaults = {
    applicationFont: "_AirVesk",
    fontSizeH1: 22,
    fontSizeH2: 18,
    fontSizeH3: 15,
    containerWidth: 760,
    dividerWidth: 700,
    rectangleRadius: 8
}
