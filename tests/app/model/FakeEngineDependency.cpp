// A library the dependent fake engine needs at load time.
extern "C" __attribute__((visibility("default"))) int fake_engine_dependency()
{
    return 0;
}
