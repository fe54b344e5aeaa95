#include "model/node_names.h"

namespace {
node_names* current = nullptr;
}

node_names::~node_names() = default;

node_names* node_names::installed()
{
    return current;
}

void node_names::install(node_names* names)
{
    current = names;
}
