#pragma once

#include <QWidget>

#include <typeindex>

// The registry of the program's windows, each of which exists at most once.
// get<T>() returns the open window or creates and loads it hidden; open<T>()
// also shows it. Closed windows are deleted, so the next use loads afresh.
class Forms {
public:
    template <class T>
    static T *existing()
    {
        return static_cast<T *>(lookup(typeid(T)));
    }

    template <class T>
    static T *get()
    {
        if (T *window = existing<T>())
            return window;
        T *window = new T;
        add(typeid(T), window);
        return window;
    }

    template <class T>
    static T *open()
    {
        T *window = get<T>();
        show(window);
        return window;
    }

    static void show(QWidget *window);

    // Deletes every window but one without running its close handling.
    static void discardAll(QWidget *except = nullptr);

private:
    static QWidget *lookup(std::type_index type);
    static void add(std::type_index type, QWidget *window);
};
