#include "app/link_resolution.h"

#include "app/captions.h"
#include "http/web_request.h"
#include "text/search.h"

namespace velmora {

Text PlayUrlAddress(const Text& serviceHost, const Text& songId) {
  return Text("http://") + serviceHost + Text("/api/v1/www/music/playUrl?mid=") + songId +
         Text("&type=dabai");
}

void ResolveMusicLink(WindowView& view, const Text& serviceHost) {
  Text input = view.InputText();
  if (input.empty()) {
    view.ShowNotice(captions::EmptyInputMessage());
    return;
  }
  const Text detailMarker("play_detail/");
  Text songId = FindText(input, detailMarker) == -1 ? input : TextAfter(input, detailMarker);
  WebRequestInput request;
  request.url = PlayUrlAddress(serviceHost, songId);
  request.method = kHttpGet;
  Text answer = WebRequest(request);
  view.SetOutputText(TextBetween(answer, Text("{\"url\":\""), Text("\"}")));
}

}  // namespace velmora
