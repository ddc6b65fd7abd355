#include "PageModel.h"

namespace tav::platform {

Page::Page(double width, double height)
    : width_(width)
    , height_(height)
{
}

PageElement& Page::add(PageElement element)
{
    Q_ASSERT_X(!find(element.name, element.index), "Page::add", "two elements of one name and index");
    elements_.push_back(std::move(element));
    return elements_.back();
}

const PageElement* Page::find(const QString& name, int index) const
{
    for (const PageElement& element : elements_) {
        if (element.index == index && element.name == name)
            return &element;
    }
    return nullptr;
}

const PageElement& Page::element(const QString& name, int index) const
{
    const PageElement* found = find(name, index);
    Q_ASSERT_X(found, "Page::element", qPrintable(name));
    return *found;
}

PageElement& Page::element(const QString& name, int index)
{
    return const_cast<PageElement&>(std::as_const(*this).element(name, index));
}

} // namespace tav::platform
