#pragma once

namespace sarovin {

// Lets assistive technology see every LinkLabel as a link named by its
// text, which its press action activates. Called once; later calls do
// nothing.
void AnnounceLinkLabelsAsLinks();

}  // namespace sarovin
